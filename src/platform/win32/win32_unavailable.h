// The services whose Windows back ends are still to come: each does nothing
// and reports honestly that there is nothing (no connections, no player, no
// right to end the session).
#pragma once

#include "platform/dial_up.h"
#include "platform/media_player.h"
#include "platform/session.h"
#include "platform/session_watch.h"

namespace tolvex::platform {

class Win32UnavailableDialUp : public IDialUp {
 public:
  std::uint32_t EnumConnections(std::size_t capacity, std::vector<DialUpConnection>& connections,
                                std::size_t& needed) override;
  std::uint32_t ConnectStatus(std::uint32_t handle, std::uint32_t& state) override;
  std::uint32_t EnumEntries(const std::string& phoneBook, std::size_t capacity,
                            std::vector<std::string>& names) override;
  std::uint32_t EntryCredentials(const std::string& entry, std::string& userName,
                                 std::string& password) override;
  std::uint32_t Dial(const std::string& phoneBook, const std::string& entry,
                     const std::string& userName, const std::string& password,
                     DialProgress progress, std::uint32_t& handle) override;
  std::uint32_t HangUp(std::uint32_t handle) override;
  std::uint32_t CreateEntry(std::uintptr_t ownerWindow) override;
  std::uint32_t EditEntry(std::uintptr_t ownerWindow, const std::string& entry) override;
};

class Win32UnavailableMediaPlayer : public IMediaPlayer {
 public:
  void PreferProgram(const std::string& /*program*/) override {}
  bool PlayerExists() override { return false; }
  void SendCommand(PlayerCommand /*command*/) override {}
  void SetVolume(int /*volume*/) override {}
  void Restore() override {}
};

class Win32UnavailableSession : public ISession {
 public:
  bool IsRemoteSession() override { return false; }
  bool ObtainPrivilege(SessionRequest /*request*/) override { return false; }
  bool Request(SessionRequest /*request*/) override { return false; }
  bool DropNetworkDrives() override { return false; }
  bool IsLockKeyOn(LockKey /*key*/) override { return false; }
  void SwitchLockKeyOff(LockKey /*key*/) override {}
};

// The platform's default handling of the end of the session stays.
class Win32UnavailableSessionWatch : public ISessionWatch {
 public:
  void Watch(std::function<void()> /*onEnd*/, std::function<void()> /*onDisplayLost*/) override {}
};

}  // namespace tolvex::platform

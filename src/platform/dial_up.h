// The dial-up networking service: the active connections and their states,
// the phone-book entries, dialling, hanging up and the entry dialogs. Result
// codes and connection states keep the numbers the bar's components test for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tolvex::platform {

// Result codes of the service's calls.
enum DialUpResult : std::uint32_t {
  kDialUpSuccess = 0,
  kDialUpInvalidHandle = 6,
  kDialUpNotEnoughMemory = 8,
  kDialUpInvalidPortHandle = 601,
  kDialUpBufferTooSmall = 603,
  kDialUpCannotFindEntry = 623,
  kDialUpNoConnection = 668,
  kDialUpServiceUnavailable = 711,
};

// Connection states: 0 to 17 while dialling, 4096 to 4099 paused for the
// user, then connected or disconnected.
enum DialUpState : std::uint32_t {
  kStateOpenPort = 0,
  kStatePortOpened = 1,
  kStateConnectDevice = 2,
  kStateDeviceConnected = 3,
  kStateAuthenticate = 5,
  kStateAuthenticated = 14,
  kStateInteractive = 4096,
  kStateConnected = 8192,
  kStateDisconnected = 8193,
};

// One active connection; `handle` stays the same while the connection lives.
struct DialUpConnection {
  std::uint32_t handle = 0;
  std::string entryName;
  std::string deviceType;
  std::string deviceName;
};

// Dial progress: the new state of the connection and its error code.
using DialProgress = std::function<void(std::uint32_t state, std::uint32_t error)>;

class IDialUp {
 public:
  virtual ~IDialUp() = default;

  // The active connections, at most `capacity` of them. When there are more,
  // returns kDialUpBufferTooSmall with `needed` set to their number and
  // `connections` empty; kDialUpNotEnoughMemory or another code on failure.
  virtual std::uint32_t EnumConnections(std::size_t capacity,
                                        std::vector<DialUpConnection>& connections,
                                        std::size_t& needed) = 0;
  // The state of connection `handle`: kDialUpSuccess with `state` set,
  // kDialUpInvalidHandle or kDialUpInvalidPortHandle when it is gone.
  virtual std::uint32_t ConnectStatus(std::uint32_t handle, std::uint32_t& state) = 0;

  // The names of the entries of `phoneBook` (empty: the default one), at
  // most `capacity`; kDialUpBufferTooSmall when there are more (the first
  // `capacity` names are returned all the same).
  virtual std::uint32_t EnumEntries(const std::string& phoneBook, std::size_t capacity,
                                    std::vector<std::string>& names) = 0;
  // The user name and password stored with `entry`.
  virtual std::uint32_t EntryCredentials(const std::string& entry, std::string& userName,
                                         std::string& password) = 0;

  // Starts dialling `entry`. `handle` receives the new connection's handle
  // (also when the request fails, if one was handed out); the progress
  // arrives later through `progress`, always on the user-interface thread.
  virtual std::uint32_t Dial(const std::string& phoneBook, const std::string& entry,
                             const std::string& userName, const std::string& password,
                             DialProgress progress, std::uint32_t& handle) = 0;
  // Ends connection `handle`; no progress is reported for it afterwards.
  virtual std::uint32_t HangUp(std::uint32_t handle) = 0;

  // The desktop's dialogs for a new entry and for editing `entry`;
  // kDialUpSuccess when the dialog ended with success.
  virtual std::uint32_t CreateEntry(std::uintptr_t ownerWindow) = 0;
  virtual std::uint32_t EditEntry(std::uintptr_t ownerWindow, const std::string& entry) = 0;
};

// The back end chosen at start.
IDialUp& DialUp();
// Replaces it (tests); nullptr returns to the default choice.
void SetDialUp(std::unique_ptr<IDialUp> dialUp);

}  // namespace tolvex::platform

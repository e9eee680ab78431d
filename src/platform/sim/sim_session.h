// Simulated session-end service: records every request, in memory and in the
// simulation log, and never ends anything. Its answers are chosen by tests:
// through the setters, or for the real binary by TOLVEX_SIM_SESSION, a
// comma-separated list of "remote" (a remote session), "no-privilege" (the
// right to shut down is refused), "refuse" (every request fails), "drives"
// (two network drives are connected), "no-drive-list" (the drives cannot be
// enumerated) and "caps", "num", "scroll" (that lock key is on).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/session.h"

namespace tolvex::platform::sim {

// The names under which requests and lock keys are logged.
const char* RequestName(SessionRequest request);
const char* LockKeyName(LockKey key);

class SimSession : public ISession {
 public:
  SimSession() = default;
  // The answers named by a TOLVEX_SIM_SESSION value.
  explicit SimSession(const std::string& answers);

  bool IsRemoteSession() override { return remote_; }
  bool ObtainPrivilege(SessionRequest request) override;
  bool Request(SessionRequest request) override;
  bool DropNetworkDrives() override;
  bool IsLockKeyOn(LockKey key) override { return lockKeys_[key]; }
  void SwitchLockKeyOff(LockKey key) override;

  void SetRemote(bool remote) { remote_ = remote; }
  void SetPrivilegeGranted(bool granted) { privilegeGranted_ = granted; }
  void SetRequestsSucceed(bool succeed) { requestsSucceed_ = succeed; }
  void SetNetworkDrives(std::vector<std::string> drives) { drives_ = std::move(drives); }
  void SetDrivesEnumerable(bool enumerable) { drivesEnumerable_ = enumerable; }
  void SetLockKey(LockKey key, bool on) { lockKeys_[key] = on; }

  // Every call taken, in order, as its log line without the service name:
  // "privilege power-off", "request reboot", "drop-drive //server/share",
  // "lock-key-off caps-lock" …
  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 private:
  void Record(const char* operation, const std::string& argument);

  bool remote_ = false;
  bool privilegeGranted_ = true;
  bool requestsSucceed_ = true;
  bool drivesEnumerable_ = true;
  std::vector<std::string> drives_;
  std::map<LockKey, bool> lockKeys_;
  std::vector<std::string> calls_;
};

}  // namespace tolvex::platform::sim

// Simulated session-end service.
#include "platform/sim/sim_session.h"

#include <sstream>

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

const char* RequestName(SessionRequest request) {
  switch (request) {
    case SessionRequest::PowerOff:
      return "power-off";
    case SessionRequest::Reboot:
      return "reboot";
    case SessionRequest::LogOff:
      return "log-off";
    case SessionRequest::ForcedPowerOff:
      return "forced-power-off";
    case SessionRequest::Disconnect:
      return "disconnect";
  }
  return "";
}

const char* LockKeyName(LockKey key) {
  switch (key) {
    case LockKey::ScrollLock:
      return "scroll-lock";
    case LockKey::CapsLock:
      return "caps-lock";
    case LockKey::NumLock:
      return "num-lock";
  }
  return "";
}

SimSession::SimSession(const std::string& answers) {
  std::istringstream words(answers);
  std::string word;
  while (std::getline(words, word, ',')) {
    if (word == "remote") remote_ = true;
    if (word == "no-privilege") privilegeGranted_ = false;
    if (word == "refuse") requestsSucceed_ = false;
    if (word == "drives") drives_ = {"//server/daten", "//server/projekte"};
    if (word == "no-drive-list") drivesEnumerable_ = false;
    if (word == "caps") lockKeys_[LockKey::CapsLock] = true;
    if (word == "num") lockKeys_[LockKey::NumLock] = true;
    if (word == "scroll") lockKeys_[LockKey::ScrollLock] = true;
  }
}

bool SimSession::ObtainPrivilege(SessionRequest request) {
  Record("privilege", RequestName(request));
  return privilegeGranted_;
}

bool SimSession::Request(SessionRequest request) {
  Record("request", RequestName(request));
  // A disconnect needs a remote session, as on a real system.
  return requestsSucceed_ && (request != SessionRequest::Disconnect || remote_);
}

bool SimSession::DropNetworkDrives() {
  if (!drivesEnumerable_) {
    Record("drop-drives", "no-list");
    return false;
  }
  for (const std::string& drive : drives_) Record("drop-drive", drive);
  drives_.clear();
  return true;
}

void SimSession::SwitchLockKeyOff(LockKey key) {
  Record("lock-key-off", LockKeyName(key));
  lockKeys_[key] = false;
}

void SimSession::Record(const char* operation, const std::string& argument) {
  calls_.push_back(std::string(operation) + " " + argument);
  Log("session", operation, {argument});
}

}  // namespace tolvex::platform::sim

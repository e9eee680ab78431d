// Slot of the session-end service.
#include "platform/session.h"

#include <cstdlib>

#include "platform/linux/linux_session.h"
#include "platform/service.h"
#include "platform/sim/sim_session.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISession>& Slot() {
  static ServiceSlot<ISession> slot(
      "session_end",
      [] {
        return std::unique_ptr<ISession>(std::make_unique<LinuxSession>(
            QDBusConnection::systemBus(), LinuxSession::NativeParts()));
      },
      [] {
        const char* answers = std::getenv("TOLVEX_SIM_SESSION");
        return std::unique_ptr<ISession>(
            std::make_unique<sim::SimSession>(answers != nullptr ? answers : ""));
      });
  return slot;
}

}  // namespace

ISession& Session() {
  return Slot().Get();
}
void SetSession(std::unique_ptr<ISession> session) {
  Slot().Set(std::move(session));
}

}  // namespace tolvex::platform

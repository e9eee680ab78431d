// Slot of the session-end service.
#include "platform/session.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISession>& Slot() {
  static ServiceSlot<ISession> slot("session_end", NativeSession, SimulatedSession);
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

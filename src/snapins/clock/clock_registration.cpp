// The clock panel's factory.
#include "snapins/clock/clock_registration.h"

#include "app/builtin_panels.h"
#include "snapins/clock/clock.h"

namespace tolvex {

void RegisterClockPanel() {
  RegisterBuiltInPanel(3, [](ISnapInHost& host) { return new TfrClock(host); });
}

}  // namespace tolvex

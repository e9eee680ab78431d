// The shutdown panel's factory.
#include "snapins/terminator/register_terminator.h"

#include "app/builtin_panels.h"
#include "snapins/terminator/terminator_panel.h"

namespace tolvex {

namespace {
constexpr int kTerminatorSnapIn = 5;
}  // namespace

void RegisterTerminatorPanel() {
  RegisterBuiltInPanel(kTerminatorSnapIn,
                       [](ISnapInHost& host) -> TSnapInPanel* { return new TfrTerminator(host); });
}

}  // namespace tolvex

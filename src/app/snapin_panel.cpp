// The base of the built-in snap-in panels.
#include "app/snapin_panel.h"

namespace tolvex {

TSnapInPanel::TSnapInPanel(ISnapInHost& host) : QFrame(&host.Bar()), host_(host) {}

}  // namespace tolvex

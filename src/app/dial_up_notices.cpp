// Forwarding the dial-up component's events to the dial-up panel.
#include "app/dial_up_notices.h"

#include "app/builtin_panels.h"
#include "app/ras_component.h"
#include "app/snapin_panel.h"

namespace tolvex {

namespace {

IDialUpNotices* DialUpPanel() {
  return dynamic_cast<IDialUpNotices*>(BuiltInPanel(kDialUpSnapIn));
}

}  // namespace

void ForwardDialUpNotices(TtxRas32& ras) {
  QObject::connect(&ras, &TtxRas32::OnConnected, &ras, [] {
    if (IDialUpNotices* panel = DialUpPanel()) panel->ConnectedNotice();
  });
  QObject::connect(&ras, &TtxRas32::OnDisConnected, &ras, [] {
    if (IDialUpNotices* panel = DialUpPanel()) panel->DisconnectedNotice();
  });
}

}  // namespace tolvex

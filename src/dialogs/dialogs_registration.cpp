// The registration of the element management dialogs.
#include "dialogs/dialogs_registration.h"

#include "app/bar_window.h"
#include "app/settings_service.h"
#include "dialogs/settings_dialog.h"

namespace tolvex {

void RegisterElementDialogs() {
  RegisterSettingsDialog(
      [](TwTolvexDesktop& bar) { return std::make_unique<TwTolvexSettings>(bar); });
}

}  // namespace tolvex

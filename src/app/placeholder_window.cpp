// The placeholder main window.
#include "app/placeholder_window.h"

#include "app/first_instance.h"
#include "platform/single_instance.h"

namespace tolvex {

TwPlaceholder::TwPlaceholder() {
  IsFirstInstance();
  files_ = PrepareConfiguration();
  setWindowTitle("TolvexBar");
  resize(104, 400);
  platform::SingleInstance().SetActivationHandler([this] { ActivateBar(); });
}

TwPlaceholder::~TwPlaceholder() {
  platform::SingleInstance().SetActivationHandler(nullptr);
}

void TwPlaceholder::ActivateBar() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace tolvex

// The registration of the settings dialog.
#include "app/settings_service.h"

#include <utility>

namespace tolvex {
namespace {

TSettingsDialogFactory& Factory() {
  static TSettingsDialogFactory factory;
  return factory;
}

}  // namespace

TSettingsDialogFactory RegisterSettingsDialog(TSettingsDialogFactory factory) {
  return std::exchange(Factory(), std::move(factory));
}

bool SettingsDialogRegistered() {
  return static_cast<bool>(Factory());
}

std::unique_ptr<ISettingsDialog> CreateSettingsDialog(TwTolvexDesktop& owner) {
  return Factory() ? Factory()(owner) : nullptr;
}

}  // namespace tolvex

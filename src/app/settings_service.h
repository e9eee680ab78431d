// The settings dialog as the bar uses it: shown to the user (options and
// elements) or hidden, as a tool for one element operation. The dialog
// registers its factory at start; while none is registered the bar's menu
// entries that need it are shown disabled.
#pragma once

#include <functional>
#include <memory>

namespace tolvex {

class TwTolvexDesktop;

class ISettingsDialog {
 public:
  virtual ~ISettingsDialog() = default;
  // Page 0 "Optionen", 1 "Elemente"; true when it ended with OK.
  virtual bool ExecuteSettings(int page) = 0;
  // True when the elements changed (the layout file is saved, the bar rebuilt).
  virtual bool ExecuteNewElement() = 0;
  virtual bool ExecuteElementProperties(int index) = 0;
  // Deletes element `index` without asking; the bar asks first.
  virtual bool ExecuteDeleteElement(int index) = 0;
};

// Creates the dialog with the bar as owner; the bar frees it after one operation.
using TSettingsDialogFactory = std::function<std::unique_ptr<ISettingsDialog>(TwTolvexDesktop&)>;

// Sets the factory (an empty function removes it); returns the previous one.
TSettingsDialogFactory RegisterSettingsDialog(TSettingsDialogFactory factory);
bool SettingsDialogRegistered();
// The dialog for one operation, or nullptr while none is registered.
std::unique_ptr<ISettingsDialog> CreateSettingsDialog(TwTolvexDesktop& owner);

}  // namespace tolvex

// TwTerminatorProperties: the shutdown panel's settings dialog. Page
// "&Optionen" holds one list per action with its mode, page "&Einstellungen"
// the lock-key check box. "Übernehmen", and "Ok" at the end, write the
// settings when something changed and tell the panel (Applied).
#pragma once

#include <array>

#include "shared/tx_dialog.h"
#include "snapins/terminator/terminator_settings.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace tolvex {

class TtxIniFile;

class TwTerminatorProperties : public TwTxDialog {
  Q_OBJECT

 public:
  // Owned by `panel`; shows the settings stored in `config`.
  TwTerminatorProperties(QWidget& panel, TtxIniFile& config);

  // Places the dialog at the panel's top-right corner, inside the work
  // area, and shows it modally; the result code.
  int Run();

  bool Changed() const { return changed_; }
  QTabWidget* pcPages() const { return pcPages_; }
  QComboBox* cbButton(int number) const { return cbButtons_[number - 1]; }
  QCheckBox* cbLightsOut() const { return cbLightsOut_; }
  QPushButton* btOk() const { return btOk_; }
  QPushButton* btCancel() const { return btCancel_; }
  QPushButton* btApply() const { return btApply_; }

 signals:
  void Applied();

 private:
  QWidget* CreateOptionsPage();
  QWidget* CreateSettingsPage();
  void CreateButtons();
  void SetChanged(bool changed);
  void Apply();

  QWidget& panel_;
  TtxIniFile& config_;
  bool changed_ = false;
  QTabWidget* pcPages_ = nullptr;
  std::array<QComboBox*, kTerminatorActionCount> cbButtons_{};
  QCheckBox* cbLightsOut_ = nullptr;
  QPushButton* btOk_ = nullptr;
  QPushButton* btCancel_ = nullptr;
  QPushButton* btApply_ = nullptr;
};

}  // namespace tolvex

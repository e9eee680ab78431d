// TwTolvexClockSettings, the clock's settings dialog "Optionen": the double
// click, the layout and the three user-defined lines on one page, the time
// server and the automatic synchronisation on the other, and a test of the
// server as typed. It writes the keys of section "TolvexClock" when
// something changed and tells the clock (Saved).
#pragma once

#include <QString>
#include <array>

#include "shared/tx_dialog.h"
#include "snapins/clock/time_client.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tolvex {

class TtxIniFile;

class TwTolvexClockSettings : public TwTxDialog {
  Q_OBJECT

 public:
  // Owned by `owner`; edits the clock's keys in `config`.
  TwTolvexClockSettings(QWidget* owner, TtxIniFile& config);

  // Loads the settings, runs the dialog modally and saves after "Ok" when
  // something changed; whether it ended with "Ok".
  bool Execute();
  // Shows the stored settings; nothing counts as changed afterwards.
  void Load();
  // Writes the settings when something changed and emits Saved.
  void Save();

  bool Changed() const { return changed_; }
  // The client of the synchronise button; its host is the typed server.
  TIdTime& TimeClient() { return idTime_; }

 signals:
  void Saved();

 private:
  QWidget* CreateOptionsPage();
  QWidget* CreateSynchroPage();
  void CreateButtons();
  void SetChanged(bool changed);
  void EnableLineControls();
  // Offers the formats of the line's kind and shows the first of them.
  void FillFormats(int line);
  void SynchroniseNow();

  TtxIniFile& config_;
  bool changed_ = false;
  TIdTime idTime_;
  QTabWidget* pcPages_ = nullptr;
  QComboBox* cbDblClick_ = nullptr;
  QComboBox* cbLayout_ = nullptr;
  std::array<QLabel*, 3> txUserDef_{};
  std::array<QComboBox*, 3> cbUserDef_{};
  std::array<QComboBox*, 3> edUserDef_{};
  QLineEdit* edServer_ = nullptr;
  QPushButton* btSynchro_ = nullptr;
  QCheckBox* cbSyncOnRasConnect_ = nullptr;
  QCheckBox* cbSyncOnStart_ = nullptr;
  QPushButton* btOk_ = nullptr;
  QPushButton* btCancel_ = nullptr;
  QPushButton* btApply_ = nullptr;
};

}  // namespace tolvex

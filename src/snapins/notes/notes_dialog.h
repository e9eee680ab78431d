// TwNotesDialog: what the notes snap-in's two dialogs share: their pages,
// the buttons "Ok" (default), "Abbrechen" and "Übernehmen", and the changed
// flag that every edit sets and that enables "Übernehmen". Applying ("Übernehmen",
// or "Ok" when the dialog ends) leaves the dialog unchanged.
#pragma once

#include "shared/tx_dialog.h"

class QPushButton;
class QTabWidget;

namespace tolvex {

class TwNotesDialog : public TwTxDialog {
  Q_OBJECT

 public:
  TwNotesDialog(QWidget* owner, int width, int height);

  bool Changed() const { return changed_; }

  QTabWidget* pcPages = nullptr;
  QPushButton* btOk = nullptr;
  QPushButton* btCancel = nullptr;
  QPushButton* btApply = nullptr;

 protected:
  // Shows the dialog modally and applies when it ends with OK; whether it
  // did.
  bool RunModal();
  void SetChanged(bool changed);
  // Takes over what the dialog shows (each dialog writes only when changed).
  virtual void Apply() = 0;
  // Brings the controls in line with the dialog's state.
  virtual void UpdateControls();
  // A new page of the dialog, its controls placed on it.
  QWidget* AddPage(const QString& caption, const char* name);

 private:
  void ApplyAndReset();

  bool changed_ = false;
};

}  // namespace tolvex

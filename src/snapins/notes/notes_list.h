// TwNotesList: the modal dialog "TolvexNotes". Page "&Notizen" lists every
// note with a tick for its visibility and opens a note's properties; page
// "&Optionen" holds the look and toolbar of new notes and what ticking off a
// task does.
#pragma once

#include <QList>
#include <QPointer>

#include "snapins/notes/notes_defaults.h"
#include "snapins/notes/notes_dialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPlainTextEdit;

namespace tolvex {

class TtxIniFile;
class TwNote;

class TwNotesList : public TwNotesDialog {
  Q_OBJECT

 public:
  // Owned by `owner`; shows the defaults stored in `config`.
  TwNotesList(QWidget& owner, TtxIniFile& config);

  // Lists `notes`, shows the dialog modally and applies when it ends with
  // OK; whether it did.
  bool Run(const QList<TwNote*>& notes);

  // Runs the properties dialog of the selected note and shows its line
  // anew.
  void EditSelected();

  QListWidget* lbNotes = nullptr;
  QPushButton* btNoteProps = nullptr;
  QPlainTextEdit* edDetails = nullptr;
  QPlainTextEdit* edDemo = nullptr;
  QPushButton* btColor = nullptr;
  QPushButton* btFont = nullptr;
  QCheckBox* cbToolbar = nullptr;
  QComboBox* cbCheckTask = nullptr;

 protected:
  void Apply() override;

 private:
  void CreateNotesPage();
  void CreateOptionsPage();
  void FillLine(int line);
  void ShowDetails();
  TwNote* SelectedNote() const;

  TtxIniFile& config_;
  TNewNoteDefaults defaults_;
  // The note of each line.
  QList<QPointer<TwNote>> notes_;
  // Filling a line changes its tick: that is no edit of the user.
  bool filling_ = false;
};

}  // namespace tolvex

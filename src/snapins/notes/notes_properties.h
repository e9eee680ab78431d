// TwNotesProperties: the modal dialog that edits one note's title,
// visibility, window options, task attributes, look and alarm, working
// directly on the note window it is given. Page "&Notiz" holds the note,
// page "&Alarm" its alarm.
#pragma once

#include <array>

#include "snapins/notes/note_data.h"
#include "snapins/notes/notes_dialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace tolvex {

class TwNote;

class TwNotesProperties : public TwNotesDialog {
  Q_OBJECT

 public:
  // Owned by `owner`, placed beside it; shows `note` as it is.
  TwNotesProperties(TwNote& note, QWidget& owner);

  // Shows the dialog modally and applies when it ends with OK; whether it
  // did.
  bool Run();

  // The priority a list item stands for, and the item of a stored priority
  // (-1 for a value that is none of them).
  static int PriorityOfItem(int item);
  static int ItemOfPriority(int priority);

  // The sound file chosen last ("&Signal..."), kept until it is applied.
  const QString& SoundFile() const { return soundFile_; }

  QLineEdit* edTitle = nullptr;
  QCheckBox* cbVisible = nullptr;
  QCheckBox* cbStayOnTop = nullptr;
  QCheckBox* cbToolbar = nullptr;
  QCheckBox* cbTask = nullptr;
  QComboBox* cbPriority = nullptr;
  QPlainTextEdit* edDemo = nullptr;
  QPushButton* btColor = nullptr;
  QPushButton* btFont = nullptr;
  QCheckBox* cbAlarm = nullptr;
  QComboBox* cbAction = nullptr;
  QPushButton* btBrowse = nullptr;
  QComboBox* cbSchedType = nullptr;
  QTimeEdit* edTime = nullptr;
  QDateEdit* edDate = nullptr;
  // Monday first.
  std::array<QCheckBox*, 7> cbDays{};
  QLabel* txPriority = nullptr;
  QLabel* txAction = nullptr;
  QLabel* txSchedType = nullptr;
  QLabel* txTime = nullptr;
  QLabel* txDate = nullptr;
  QLabel* txDays = nullptr;

 protected:
  void Apply() override;
  void UpdateControls() override;

 private:
  void CreateNotePage();
  void CreateAlarmPage();
  void Load();
  void Edited();
  void BrowseSound();

  TwNote& note_;
  TNoteLook demoLook_;
  QString soundFile_;
};

}  // namespace tolvex

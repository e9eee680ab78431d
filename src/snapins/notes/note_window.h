// TwNote: the window of one note, a small sizeable tool window with a toolbar
// and the note's text. It holds the note's data, saves it to its file
// whenever the window is hidden, and deletes the note.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

#include "controls/action.h"
#include "snapins/notes/note_alarm.h"
#include "snapins/notes/note_data.h"

class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace tolvex {

class INoteOwner;

class TwNote : public QWidget {
  Q_OBJECT

 public:
  // A fresh note: caption "Notiz", 208 × 160, no file; hidden until shown.
  TwNote(INoteOwner& owner, QWidget* parent);

  // Reads the note file at `path` into this fresh window and shows the
  // window unless the file says the note is hidden. A missing file reads
  // nothing and shows the window. False, with nothing changed, when the file
  // exists but cannot be read (then no save may replace it).
  bool ReadFile(const QString& path);
  // Writes the note to its file (choosing the file's name at the first save)
  // unless it is deleted. A file that cannot be written keeps the note
  // changed and says so once, until a save succeeds again.
  bool Save();
  // At the end of the panel: a visible note is saved as visible and hidden, a
  // hidden note with changes is saved.
  void SaveOnClose();

  // The note as its file would store it now.
  TNoteData Data() const;
  // Takes over everything of `data` but the visibility.
  void Apply(const TNoteData& data);

  void SetChanged(bool changed);
  bool Changed() const { return changed_; }
  // Changed, or the text was edited since the last save.
  bool IsModified() const;
  void SetStayOnTop(bool on);
  bool StayOnTop() const;
  void SetToolbar(bool on);
  bool ToolbarShown() const;

  // Deletes the note after asking, when `ask`, with the question's top-left
  // corner at `position` + (50, 50): removes its file, hides the window and
  // takes it out of the panel's list. Whether it was deleted.
  bool Delete(bool ask, QPoint position);
  // Runs the note properties dialog owned by `owner` (this window when none);
  // whether it ended with OK.
  bool OpenProperties(QWidget* owner);

  // Showing makes the window's content; hiding saves the note.
  void setVisible(bool visible) override;
  // Shows the note when hidden and brings it to the front.
  void BringToFront();

  INoteOwner& Owner() const { return owner_; }
  QString FileName() const { return fileName_; }
  bool Deleted() const { return deleted_; }
  QString Title() const { return windowTitle(); }
  void SetTitle(const QString& title) { setWindowTitle(title); }
  const TNoteLook& Look() const { return look_; }
  void SetLook(const TNoteLook& look);
  TNoteTask& Task() { return task_; }
  const TNoteTask& Task() const { return task_; }
  TNoteAlarm& Alarm() { return alarm_; }
  const TNoteAlarm& Alarm() const { return alarm_; }
  TAlarmState& AlarmState() { return alarmState_; }
  QStringList Lines() const;
  // The text area, made now if the window was never shown.
  QPlainTextEdit& Editor();

  // Made when the window is first shown (or Editor is asked): most notes
  // are hidden, and a thousand text areas would slow the start.
  QPlainTextEdit* edNote = nullptr;
  QToolBar* tbNote = nullptr;
  TtxActionList* alNote = nullptr;
  TtxAction* acNew = nullptr;
  TtxAction* acSave = nullptr;
  TtxAction* acDelete = nullptr;
  TtxAction* acCopy = nullptr;
  TtxAction* acCut = nullptr;
  TtxAction* acPaste = nullptr;
  TtxAction* acUndo = nullptr;
  TtxAction* acProperties = nullptr;
  TtxAction* acShowToolbar = nullptr;
  TtxAction* acStayOnTop = nullptr;

 protected:
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateContent();
  void CreateToolbar();
  void ApplyLook();
  // Shortcuts of a hidden window would only fill the application's shortcut
  // map: they are set while the window is shown.
  void SetShortcuts(bool on);
  void ShowContextMenu(QPoint position);
  bool Write(bool visible);
  void GeometryChanged();
  void UpdateEditActions();
  void UpdateSelectionActions();
  void UpdatePasteAction();
  QRect Geometry() const { return QRect(pos(), size()); }

  INoteOwner& owner_;
  QString fileName_;
  TNoteLook look_;
  TNoteTask task_;
  TNoteAlarm alarm_;
  TAlarmState alarmState_;
  // The text until the text area is made.
  QStringList pendingText_;
  std::vector<std::pair<TtxAction*, QKeySequence>> shortcuts_;
  bool shortcutsSet_ = false;
  bool toolbar_ = true;
  bool changed_ = false;
  bool deleted_ = false;
  bool writeErrorShown_ = false;
  // Hiding the window saves it, except while the window is re-created for a
  // new style or hidden by the end of the panel.
  bool quietHide_ = false;
  // The geometry last read or saved: only a real move or resize changes the
  // note.
  QRect savedGeometry_;
  QPointer<QMenu> pmNote_;
};

}  // namespace tolvex

// TwTaskList: the free-floating window "Aufgaben" that lists the notes
// marked as tasks with their priority. The user ticks tasks off, renames,
// opens, edits and deletes them and sorts them by title or priority. Each
// row refers to its note; the window keeps its sort order, preview height
// and rectangle in section "Defaults".
#pragma once

#include <QPointer>
#include <QWidget>

#include "controls/action.h"
#include "snapins/notes/task_sort.h"

class QMenu;
class QPlainTextEdit;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvex {

class TfrNotes;
class TwNote;

class TwTaskList : public QWidget {
  Q_OBJECT

 public:
  // Made once by the notes panel, hidden; takes its settings from the
  // panel's configuration file.
  explicit TwTaskList(TfrNotes& panel);
  // Writes "TasksSort", "PreviewHeight" and "TasksPos".
  ~TwTaskList() override;

  // Removes every row and adds one per task of the notes list, sorted.
  void Rebuild();
  // Updates, adds or removes the note's row as the note is a task or not.
  void NoteChanged(TwNote& note);
  // 0 by title, 1 by priority; the order it has already does nothing.
  void SetSortOrder(int order);
  int SortOrder() const { return sortOrder_; }

  // The note a row refers to (none for a note gone since).
  TwNote* NoteOf(const QTreeWidgetItem& row) const;
  // The row of `note`, or none.
  QTreeWidgetItem* RowOf(const TwNote& note) const;

  // Brings the selected row's note to the front, showing it when hidden.
  void OpenSelected();
  void DeleteSelected();
  void EditSelected();
  void NewTask();

  QToolBar* tbTasks = nullptr;
  QTreeWidget* lvTasks = nullptr;
  QSplitter* spPreview = nullptr;
  QPlainTextEdit* edPreview = nullptr;
  QMenu* pmTasks = nullptr;
  TtxActionList* alTasks = nullptr;
  TtxAction* acNew = nullptr;
  TtxAction* acDelete = nullptr;
  TtxAction* acProperties = nullptr;
  TtxAction* acSort1 = nullptr;
  TtxAction* acSort2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateControls();
  void ReadSettings();
  void WriteSettings();
  QTreeWidgetItem* AddRow(TwNote& note);
  void FillRow(QTreeWidgetItem& row);
  void RemoveRow(QTreeWidgetItem* row);
  void Sort();
  void UpdateButtons();
  void ShowPreview();
  void FitFirstColumn();
  void RowEdited(QTreeWidgetItem* row, int column);
  void Ticked(QPointer<TwNote> note);
  bool ListKey(const QKeyEvent& key);
  TwNote* SelectedNote() const;

  TfrNotes& panel_;
  int sortOrder_ = kNoTaskSort;
  int previewHeight_ = 100;
  // The preview got its height at the first show.
  bool previewShown_ = false;
  // The window has a position of its own (read or shown).
  bool placed_ = false;
  // Filling a row changes its tick and text: that is no edit of the user.
  bool filling_ = false;
};

}  // namespace tolvex

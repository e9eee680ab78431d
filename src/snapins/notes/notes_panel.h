// TfrNotes: the notes snap-in's panel in the bar. It owns every note window,
// loads all note files when it starts, creates new notes and runs the alarm
// check of all notes once a second.
#pragma once

#include <QList>
#include <QPointer>

#include "app/snapin_panel.h"
#include "controls/action.h"
#include "controls/button.h"
#include "controls/image_list.h"
#include "shared/date_time.h"
#include "snapins/notes/note_owner.h"

class QTimer;

namespace tolvex {

class TtxIniFile;
class TwTaskList;

class TfrNotes : public TSnapInPanel, public INoteOwner {
  Q_OBJECT

 public:
  explicit TfrNotes(ISnapInHost& host);
  // Saves the notes as they are (a visible note stays visible in its file)
  // before their windows go.
  ~TfrNotes() override;

  // Appends the bar's submenu, creates the notes folder, reads every note
  // file of it, in the order of their names, and makes the task list (shown
  // when "ShowTaskList" says so).
  void Start() override;

  // A new note with the font, colour and toolbar of section "Defaults".
  TwNote* NewNote() override;
  void RemoveNote(TwNote& note) override;
  void TaskChanged(TwNote& note) override;
  QString NotesFolder() const override { return notesFolder_; }
  TtxImageList& NoteImages() override { return *ilNote; }

  // The notes in the order they were read, new notes at the end.
  const QList<TwNote*>& Notes() const { return notes_; }
  // The main configuration file, once started.
  TtxIniFile* ConfigFile() const { return config_; }

  // One alarm check of every note, in list order.
  void CheckAlarms();
  // Brings every visible note to the front, in list order.
  void ShowNotes();
  // Fills the note selection menu and opens it at the corner of its button;
  // nothing with no note.
  void PopupSelectMenu();
  // A visible note comes to the front; a hidden one is shown and changed.
  void SelectNote(int index);
  // Runs the notes list dialog on its page 0 "&Notizen" or 1 "&Optionen",
  // placed at the panel's top-right corner; whether it ended with OK.
  bool ShowNotesList(int page);
  // Shows the task list when hidden and brings it to the front.
  void ShowTaskList();
  // The task list window, made when it is first needed (after Start).
  TwTaskList& TaskList();

  TtxImageList* ilNotes = nullptr;
  TtxImageList* ilNote = nullptr;
  TtxActionList* alNotes = nullptr;
  TtxAction* acNewNote = nullptr;
  TtxAction* acNotesList = nullptr;
  TtxAction* acShowNotes = nullptr;
  TtxAction* acSelectNote = nullptr;
  TtxAction* acTaskList = nullptr;
  TtxAction* acOptions = nullptr;
  TrButton* btNewNote = nullptr;
  TrButton* btNotesList = nullptr;
  TrButton* btShowNote = nullptr;
  TrButton* btSelectNote = nullptr;
  QMenu* pmNotes = nullptr;
  QMenu* pmSelectNote = nullptr;
  QTimer* tiTimer = nullptr;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The end of the application closes every window before the panel goes;
  // the notes are saved as they are shown first.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateButtons();
  void LoadNotes();
  void Fire(TwNote& note);
  void SaveOnClose();

  TtxIniFile* config_ = nullptr;
  QString notesFolder_;
  QList<TwNote*> notes_;
  TwTaskList* taskList_ = nullptr;
  TDateTime lastCheck_ = 0;
};

}  // namespace tolvex

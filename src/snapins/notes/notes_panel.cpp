// The notes panel: start, new notes, the selection menu and the alarms.
#include "snapins/notes/notes_panel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

#include "app/folders.h"
#include "app/ini_file.h"
#include "platform/sound.h"
#include "shared/message_dialog.h"
#include "shared/placement.h"
#include "snapins/notes/note_window.h"
#include "snapins/notes/notes_artwork.h"
#include "snapins/notes/notes_defaults.h"
#include "snapins/notes/notes_list.h"
#include "snapins/notes/task_list.h"

namespace tolvex {

TfrNotes::TfrNotes(ISnapInHost& host) : TSnapInPanel(host) {
  setObjectName(QStringLiteral("frNotes"));
  resize(width(), 24);
  ilNotes = new TtxImageList(QSize(16, 16), this);
  AddNotesPanelImages(*ilNotes);
  ilNote = new TtxImageList(QSize(16, 16), this);
  AddNoteImages(*ilNote);
  CreateActions();
  CreateButtons();
  pmNotes = new QMenu(this);
  pmNotes->setObjectName(QStringLiteral("pmNotes"));
  pmNotes->addActions({acNewNote, acShowNotes, acTaskList});
  pmNotes->addSeparator();
  pmNotes->addActions({acNotesList, acOptions});
  pmNotes->addSeparator();
  pmSelectNote = new QMenu(this);
  pmSelectNote->setObjectName(QStringLiteral("pmSelectNote"));
  tiTimer = new QTimer(this);
  tiTimer->setObjectName(QStringLiteral("tiTimer"));
  tiTimer->setInterval(1000);
  // Whole-second timers of the bar wake it together, once a second.
  tiTimer->setTimerType(Qt::VeryCoarseTimer);
  connect(tiTimer, &QTimer::timeout, this, &TfrNotes::CheckAlarms);
  QCoreApplication::instance()->installEventFilter(this);
}

TfrNotes::~TfrNotes() {
  tiTimer->stop();
  // It writes its settings as it goes.
  delete std::exchange(taskList_, nullptr);
  SaveOnClose();
}

void TfrNotes::SaveOnClose() {
  for (TwNote* note : std::as_const(notes_)) note->SaveOnClose();
}

bool TfrNotes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) SaveOnClose();
  return TSnapInPanel::eventFilter(watched, event);
}

void TfrNotes::CreateActions() {
  alNotes = new TtxActionList(this);
  alNotes->SetImages(ilNotes);
  const auto make = [&](TtxAction*& action, const char* name, const QString& caption,
                        const QString& hint, int image) {
    action = new TtxAction(caption, alNotes);
    action->setObjectName(QLatin1StringView(name));
    action->SetHint(hint);
    action->SetImageIndex(image);
  };
  make(acNewNote, "acNewNote", QStringLiteral("&Neue Notiz"),
       QStringLiteral("Eine neue Notiz anlegen"), 0);
  make(acNotesList, "acNotesList", QStringLiteral("&Liste aller Notizen..."),
       QStringLiteral("Liste aller Notizen anzeigen"), 1);
  make(acShowNotes, "acShowNotes", QStringLiteral("&Geöffnete Notizen in den Vordergrund"),
       QStringLiteral("Alle geöffneten Notizen in den Vordergrund rücken"), 2);
  make(acSelectNote, "acSelectNote", QStringLiteral("Notiz &auswählen"),
       QStringLiteral("Eine bestehende Notiz auswählen und aktivieren"), 3);
  make(acTaskList, "acTaskList", QStringLiteral("&Aufgaben..."),
       QStringLiteral("Aufgabenliste anzeigen"), 5);
  make(acOptions, "acOptions", QStringLiteral("&Einstellungen..."),
       QStringLiteral("Programmeinstellungen bearbeiten"), -1);
  connect(acNewNote, &QAction::triggered, this, [this] { NewNote(); });
  connect(acNotesList, &QAction::triggered, this, [this] { ShowNotesList(0); });
  connect(acShowNotes, &QAction::triggered, this, &TfrNotes::ShowNotes);
  connect(acSelectNote, &QAction::triggered, this, &TfrNotes::PopupSelectMenu);
  connect(acTaskList, &QAction::triggered, this, &TfrNotes::ShowTaskList);
  connect(acOptions, &QAction::triggered, this, [this] { ShowNotesList(1); });
}

void TfrNotes::CreateButtons() {
  const auto make = [&](TrButton*& button, const char* name, TtxAction* action, int x) {
    button = new TrButton(this);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(x, 1, 22, 22);
    button->SetImageList(ilNotes);
    button->SetAction(action);
    button->SetShowHint(true);
  };
  make(btNewNote, "btNewNote", acNewNote, 1);
  make(btNotesList, "btNotesList", acTaskList, 23);
  make(btShowNote, "btShowNote", acShowNotes, 45);
  make(btSelectNote, "btSelectNote", acSelectNote, 67);
}

void TfrNotes::Start() {
  Host().AddBarSubmenu(*pmNotes);
  config_ = &Host().ConfigFile();
  notesFolder_ = tolvex::NotesFolder(config_->FileName());
  QDir().mkpath(notesFolder_);
  LoadNotes();
  if (config_->ReadBool(QLatin1String(kDefaultsSection), QStringLiteral("ShowTaskList"), false))
    ShowTaskList();
  tiTimer->start();
}

void TfrNotes::LoadNotes() {
  // Named 1.tdn, 2.tdn …: the order of their names is the order of creation.
  // Only plain files: reading a pipe or a device would wait for ever.
  const QFileInfoList files = tolvex::NoteFiles(notesFolder_);
  QStringList unreadable;
  for (const QFileInfo& file : files) {
    auto* note = new TwNote(*this, this);
    if (note->ReadFile(file.absoluteFilePath())) {
      notes_.append(note);
    } else {
      unreadable.append(QDir::toNativeSeparators(file.absoluteFilePath()));
      delete note;
    }
  }
  if (unreadable.isEmpty()) return;
  // After the start, so that the bar is up; the files stay as they are.
  QTimer::singleShot(0, this, [unreadable] {
    ShowMessageDlgFmt(QStringLiteral("Notizen laden"),
                      QStringLiteral("Diese Notizen können nicht gelesen werden und bleiben "
                                     "unverändert:\n%s"),
                      {unreadable.join(u'\n')}, MessageKind::Error, mbOk);
  });
}

TwNote* TfrNotes::NewNote() {
  auto* note = new TwNote(*this, this);
  if (config_ != nullptr) {
    const TNewNoteDefaults defaults = ReadNewNoteDefaults(*config_);
    note->SetLook(defaults.look);
    note->SetToolbar(defaults.showToolbar);
  }
  notes_.append(note);
  note->BringToFront();
  return note;
}

void TfrNotes::RemoveNote(TwNote& note) {
  notes_.removeOne(&note);
  TaskChanged(note);
}

void TfrNotes::TaskChanged(TwNote& note) {
  if (taskList_ != nullptr) taskList_->NoteChanged(note);
}

void TfrNotes::ShowNotes() {
  for (TwNote* note : std::as_const(notes_)) {
    if (note->isVisible()) note->BringToFront();
  }
}

void TfrNotes::PopupSelectMenu() {
  if (notes_.isEmpty()) return;
  pmSelectNote->clear();
  for (int i = 0; i < notes_.size(); ++i) {
    TwNote* note = notes_[i];
    const int image = note->isVisible() ? piNewNote : piHiddenNote;
    QAction* entry = pmSelectNote->addAction(QIcon(ilNotes->Image(image)), note->Title());
    entry->setData(i);
    connect(entry, &QAction::triggered, this, [this, i] { SelectNote(i); });
  }
  pmSelectNote->popup(
      btSelectNote->mapToGlobal(QPoint(btSelectNote->width(), btSelectNote->height())));
}

void TfrNotes::SelectNote(int index) {
  if (index < 0 || index >= notes_.size()) return;
  TwNote* note = notes_[index];
  if (note->isVisible()) {
    note->BringToFront();
    return;
  }
  note->BringToFront();
  note->SetChanged(true);
}

bool TfrNotes::ShowNotesList(int page) {
  if (config_ == nullptr) return false;
  TwNotesList dialog(*this, *config_);
  dialog.move(PullBackFromRightBottom(mapToGlobal(QPoint(width(), 0)), OuterSize(dialog)));
  dialog.pcPages->setCurrentIndex(page);
  return dialog.Run(notes_);
}

TwTaskList& TfrNotes::TaskList() {
  if (taskList_ == nullptr) taskList_ = new TwTaskList(*this);
  return *taskList_;
}

void TfrNotes::ShowTaskList() {
  if (config_ == nullptr) return;
  TwTaskList& list = TaskList();
  list.show();
  list.raise();
  list.activateWindow();
}

void TfrNotes::contextMenuEvent(QContextMenuEvent* event) {
  pmNotes->popup(event->globalPos());
}

void TfrNotes::CheckAlarms() {
  const TDateTime now = Now();
  const TDateTime previous = std::exchange(lastCheck_, now);
  // A question waits in a loop of its own, where notes may be deleted or
  // created; the check goes on over the notes as they were.
  QList<QPointer<TwNote>> notes;
  notes.reserve(notes_.size());
  for (TwNote* note : std::as_const(notes_)) notes.append(note);
  for (const QPointer<TwNote>& note : std::as_const(notes)) {
    if (note.isNull() || note->Deleted()) continue;
    if (CheckAlarm(note->Alarm(), note->AlarmState(), now, previous)) Fire(*note);
  }
}

void TfrNotes::Fire(TwNote& note) {
  switch (note.Alarm().type) {
    case atToFront:
      note.BringToFront();
      break;
    case atQuestion: {
      QPointer<TwNote> guard(&note);
      const int answer = ShowMessageDlgFmt(
          QStringLiteral("Alarm wurde aktiviert"),
          QStringLiteral("Die Alarmfunktion für die Notiz \"%s\" wurde aktiviert. Soll die Notiz "
                         "angezeigt werden?"),
          {note.Title()}, MessageKind::Confirmation, mbYes | mbNo);
      if (answer == mrYes && guard && !guard->Deleted()) guard->BringToFront();
      break;
    }
    case atSound: {
      note.BringToFront();
      const QString sound = note.Alarm().sound;
      if (!sound.isEmpty() && QFileInfo(sound).isFile())
        platform::Sound().PlayWaveFile(QFile::encodeName(sound).toStdString());
      break;
    }
    default:
      break;
  }
}

}  // namespace tolvex

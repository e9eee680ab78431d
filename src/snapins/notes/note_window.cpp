// The note window: construction, the note's file, its state and deletion.
#include "snapins/notes/note_window.h"

#include <QDir>
#include <QFile>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include "shared/message_dialog.h"
#include "snapins/notes/note_file.h"
#include "snapins/notes/note_look.h"
#include "snapins/notes/note_owner.h"
#include "snapins/notes/notes_properties.h"

namespace tolvex {

TwNote::TwNote(INoteOwner& owner, QWidget* parent) : QWidget(parent, Qt::Tool), owner_(owner) {
  setObjectName(QStringLiteral("wNote"));
  setWindowTitle(QStringLiteral("Notiz"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateActions();
  resize(kNoteWidth, kNoteHeight);
  SetChanged(false);
}

void TwNote::CreateContent() {
  CreateToolbar();
  edNote = new QPlainTextEdit(this);
  edNote->setObjectName(QStringLiteral("edNote"));
  edNote->setFrameShape(QFrame::NoFrame);
  edNote->setContextMenuPolicy(Qt::CustomContextMenu);
  edNote->installEventFilter(this);
  edNote->viewport()->installEventFilter(this);
  layout()->addWidget(edNote);
  ApplyLook();
  edNote->setPlainText(pendingText_.join(u'\n'));
  pendingText_.clear();
  connect(edNote, &QPlainTextEdit::customContextMenuRequested, this, &TwNote::ShowContextMenu);
  connect(edNote, &QPlainTextEdit::textChanged, this, &TwNote::UpdateEditActions);
}

QPlainTextEdit& TwNote::Editor() {
  if (edNote == nullptr) CreateContent();
  return *edNote;
}

bool TwNote::ReadFile(const QString& path) {
  if (QFile::exists(path)) {
    const std::optional<TNoteData> data = ReadNoteFile(path);
    if (!data) return false;
    fileName_ = path;
    Apply(*data);
    setVisible(data->visible);
  } else {
    show();
  }
  savedGeometry_ = Geometry();
  SetChanged(false);
  return true;
}

TNoteData TwNote::Data() const {
  TNoteData data;
  data.title = windowTitle();
  data.left = pos().x();
  data.top = pos().y();
  data.width = width();
  data.height = height();
  data.stayOnTop = StayOnTop();
  data.visible = isVisible();
  data.toolbar = ToolbarShown();
  data.look = look_;
  data.task = task_;
  data.alarm = alarm_;
  data.text = Lines();
  return data;
}

void TwNote::Apply(const TNoteData& data) {
  setWindowTitle(data.title);
  if (data.left || data.top) move(data.left.value_or(0), data.top.value_or(0));
  resize(data.width, data.height);
  SetStayOnTop(data.stayOnTop);
  SetToolbar(data.toolbar);
  SetLook(data.look);
  task_ = data.task;
  alarm_ = data.alarm;
  if (edNote != nullptr) {
    edNote->setPlainText(data.text.join(u'\n'));
  } else {
    pendingText_ = data.text;
  }
}

QStringList TwNote::Lines() const {
  if (edNote == nullptr) return pendingText_;
  QStringList lines;
  for (QTextBlock block = edNote->document()->begin(); block.isValid(); block = block.next())
    lines.append(block.text());
  // An empty text area still holds one empty block: it is no line.
  if (lines.size() == 1 && lines.front().isEmpty()) lines.clear();
  return lines;
}

bool TwNote::Save() {
  return Write(isVisible());
}

void TwNote::SaveOnClose() {
  if (deleted_) return;
  if (isVisible()) {
    Write(true);
    quietHide_ = true;
    hide();
    quietHide_ = false;
  } else if (IsModified()) {
    Write(false);
  }
}

bool TwNote::Write(bool visible) {
  if (deleted_) return false;
  QString path = fileName_;
  if (path.isEmpty()) {
    QDir().mkpath(owner_.NotesFolder());
    path = NextNoteFileName(owner_.NotesFolder());
  }
  TNoteData data = Data();
  data.visible = visible;
  if (!WriteNoteFile(path, ComposeNoteFile(data, Now()))) {
    SetChanged(true);
    if (!writeErrorShown_) {
      writeErrorShown_ = true;
      ShowMessageDlgFmt(QStringLiteral("Notiz speichern"),
                        QStringLiteral("Die Notiz \"%s\" kann nicht gespeichert werden: nach %s "
                                       "kann nicht geschrieben werden. Der Text bleibt erhalten, "
                                       "solange das Programm läuft."),
                        {windowTitle(), QDir::toNativeSeparators(path)}, MessageKind::Error, mbOk);
    }
    return false;
  }
  fileName_ = path;
  writeErrorShown_ = false;
  savedGeometry_ = Geometry();
  SetChanged(false);
  return true;
}

void TwNote::SetChanged(bool changed) {
  changed_ = changed;
  if (!changed) {
    if (edNote != nullptr) {
      edNote->document()->setModified(false);
      edNote->document()->clearUndoRedoStacks();
    }
    acUndo->setEnabled(false);
  }
  acSave->setEnabled(changed);
}

bool TwNote::IsModified() const {
  return changed_ || (edNote != nullptr && edNote->document()->isModified());
}

void TwNote::SetStayOnTop(bool on) {
  acStayOnTop->setChecked(on);
  if (on == StayOnTop()) return;
  // A new window style re-creates the window: hidden and shown again, which
  // must not count as the user hiding it.
  const bool shown = isVisible();
  quietHide_ = true;
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (shown) show();
  quietHide_ = false;
}

bool TwNote::StayOnTop() const {
  return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TwNote::SetToolbar(bool on) {
  toolbar_ = on;
  acShowToolbar->setChecked(on);
  if (tbNote != nullptr) tbNote->setVisible(on);
}

bool TwNote::ToolbarShown() const {
  return toolbar_;
}

void TwNote::SetLook(const TNoteLook& look) {
  look_ = look;
  if (edNote != nullptr) ApplyLook();
}

void TwNote::ApplyLook() {
  ShowNoteLook(*edNote, look_);
}

bool TwNote::Delete(bool ask, QPoint position) {
  if (ask &&
      ShowMessageDlgPos(QStringLiteral("Notiz löschen"),
                        QStringLiteral("Wollen Sie die Notiz wirklich löschen? \n"
                                       "Gelöschte Notizen können nicht wiederhergestellt werden."),
                        MessageKind::Confirmation, mbYes | mbNo, 0, position.x() + 50,
                        position.y() + 50) != mrYes) {
    return false;
  }
  deleted_ = true;
  SetChanged(false);
  if (!fileName_.isEmpty() && QFile::exists(fileName_) && !QFile::remove(fileName_)) {
    ShowMessageDlgFmt(QStringLiteral("Notiz löschen"),
                      QStringLiteral("Die Datei %s kann nicht gelöscht werden."),
                      {QDir::toNativeSeparators(fileName_)}, MessageKind::Error, mbOk);
  }
  fileName_.clear();
  if (edNote != nullptr) edNote->document()->setModified(false);
  hide();
  owner_.RemoveNote(*this);
  return true;
}

bool TwNote::OpenProperties(QWidget* owner) {
  TwNotesProperties dialog(*this, owner != nullptr ? *owner : *this);
  return dialog.Run();
}

void TwNote::BringToFront() {
  show();
  raise();
  activateWindow();
}

}  // namespace tolvex

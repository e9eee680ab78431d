// The note window's actions, toolbar, context menu and its reactions to
// window and text-area events.
#include "snapins/notes/note_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolBar>

#include "snapins/notes/note_owner.h"

namespace tolvex {

namespace {

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

}  // namespace

void TwNote::CreateActions() {
  alNote = new TtxActionList(this);
  alNote->SetImages(&owner_.NoteImages());
  const auto make = [&](TtxAction*& action, const char* name, const QString& caption,
                        const QString& hint, const QKeySequence& shortcut, int image) {
    action = new TtxAction(caption, alNote);
    action->setObjectName(QLatin1StringView(name));
    action->SetHint(hint);
    if (!shortcut.isEmpty()) shortcuts_.emplace_back(action, shortcut);
    action->SetImageIndex(image);
    addAction(action);
  };
  make(acNew, "acNew", QStringLiteral("&Neue Notiz"), QStringLiteral("Eine neue Notiz anlegen"),
       QKeySequence(Qt::CTRL | Qt::Key_N), 0);
  make(acSave, "acSave", QStringLiteral("&Speichern"), QStringLiteral("Speichert die Notiz"),
       QKeySequence(Qt::CTRL | Qt::Key_S), 1);
  make(acDelete, "acDelete", QStringLiteral("&Löschen"), QStringLiteral("Löscht die Notiz"),
       QKeySequence(Qt::CTRL | Qt::Key_L), 2);
  make(acCopy, "acCopy", QStringLiteral("&Kopieren"),
       QStringLiteral("Kopiert die Markierung in die Zwischenablage"),
       QKeySequence(Qt::CTRL | Qt::Key_C), 3);
  make(acCut, "acCut", QStringLiteral("&Ausschneiden"),
       QStringLiteral("Schneidet die Markierung aus"), QKeySequence(Qt::CTRL | Qt::Key_X), 4);
  make(acPaste, "acPaste", QStringLiteral("Ein&fügen"),
       QStringLiteral("Fügt den Inhalt der Zwischenablage ein"), QKeySequence(Qt::CTRL | Qt::Key_V),
       5);
  make(acUndo, "acUndo", QStringLiteral("&Rückgängig"),
       QStringLiteral("Macht die letzte Aktion rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z), 6);
  make(acProperties, "acProperties", QStringLiteral("&Eigenschaften"),
       QStringLiteral("Eigenschaften dieser Notiz bearbeiten"), QKeySequence(Qt::Key_F2), 7);
  make(acShowToolbar, "acShowToolbar", QStringLiteral("&Toolbar"), QString(), QKeySequence(), -1);
  make(acStayOnTop, "acStayOnTop", QStringLiteral("&Immer im Vordergrund"), QString(),
       QKeySequence(), -1);
  acCopy->setEnabled(false);
  acCut->setEnabled(false);
  acShowToolbar->setCheckable(true);
  acShowToolbar->setChecked(true);
  acStayOnTop->setCheckable(true);

  connect(acNew, &QAction::triggered, this, [this] { owner_.NewNote(); });
  connect(acSave, &QAction::triggered, this, [this] { Save(); });
  connect(acDelete, &QAction::triggered, this, [this] { Delete(true, pos()); });
  connect(acCopy, &QAction::triggered, this, [this] { Editor().copy(); });
  connect(acCut, &QAction::triggered, this, [this] { Editor().cut(); });
  connect(acPaste, &QAction::triggered, this, [this] { Editor().paste(); });
  connect(acUndo, &QAction::triggered, this, [this] { Editor().undo(); });
  connect(acProperties, &QAction::triggered, this, [this] { OpenProperties(this); });
  connect(acShowToolbar, &QAction::triggered, this, [this](bool on) {
    SetToolbar(on);
    SetChanged(true);
  });
  connect(acStayOnTop, &QAction::triggered, this, [this](bool on) {
    SetStayOnTop(on);
    SetChanged(true);
  });
}

void TwNote::CreateToolbar() {
  tbNote = new QToolBar(this);
  tbNote->setObjectName(QStringLiteral("tbNote"));
  tbNote->setFixedHeight(22);
  tbNote->setIconSize(QSize(16, 16));
  tbNote->setMovable(false);
  tbNote->setContentsMargins(0, 0, 0, 0);
  tbNote->addActions({acNew, acSave, acDelete});
  tbNote->addSeparator();
  tbNote->addActions({acCopy, acCut, acPaste, acUndo});
  tbNote->addSeparator();
  tbNote->addAction(acProperties);
  layout()->addWidget(tbNote);
  tbNote->setVisible(toolbar_);
}

void TwNote::SetShortcuts(bool on) {
  if (on == shortcutsSet_) return;
  shortcutsSet_ = on;
  for (const auto& [action, shortcut] : shortcuts_)
    action->setShortcut(on ? shortcut : QKeySequence());
}

void TwNote::setVisible(bool visible) {
  if (visible) {
    if (edNote == nullptr) CreateContent();
    SetShortcuts(true);
  }
  QWidget::setVisible(visible);
}

void TwNote::ShowContextMenu(QPoint position) {
  if (!pmNote_) {
    // Built on first use: most notes never show it.
    pmNote_ = new QMenu(this);
    pmNote_->setObjectName(QStringLiteral("pmNote"));
    pmNote_->addActions({acNew, acSave, acDelete});
    pmNote_->addSeparator();
    pmNote_->addActions({acUndo, acCopy, acCut, acPaste});
    pmNote_->addSeparator();
    pmNote_->addActions({acShowToolbar, acStayOnTop});
    pmNote_->addSeparator();
    pmNote_->addAction(acProperties);
  }
  pmNote_->popup(edNote->mapToGlobal(position));
}

void TwNote::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // A window the window manager minimises is still open.
  if (event->spontaneous()) return;
  SetShortcuts(false);
  if (quietHide_) return;
  SetChanged(true);
  Save();
}

void TwNote::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  GeometryChanged();
}

void TwNote::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  GeometryChanged();
}

void TwNote::GeometryChanged() {
  if (isVisible() && Geometry() != savedGeometry_) SetChanged(true);
}

void TwNote::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) UpdatePasteAction();
}

bool TwNote::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (edNote != nullptr && (watched == edNote || watched == edNote->viewport()) &&
      (type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease)) {
    UpdateSelectionActions();
  }
  return QWidget::eventFilter(watched, event);
}

void TwNote::UpdateEditActions() {
  acUndo->setEnabled(edNote->document()->isUndoAvailable());
  acSave->setEnabled(IsModified());
}

void TwNote::UpdateSelectionActions() {
  const bool selection = edNote->textCursor().hasSelection();
  acCopy->setEnabled(selection);
  acCut->setEnabled(selection);
  UpdatePasteAction();
}

void TwNote::UpdatePasteAction() {
  acPaste->setEnabled(ClipboardHasText());
}

}  // namespace tolvex

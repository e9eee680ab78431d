// The image button's properties, its action link, the shared hover timer and
// its mouse and key handling.
#include "controls/button.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QTimer>

#include "controls/caption_text.h"

namespace tolvex {

namespace {

// Shared by all buttons of the process: the hover timer watches the one hot
// button, since a button gets no move event once the mouse has left it.
int liveButtons = 0;
QTimer* hoverTimer = nullptr;
TrButton* hotButton = nullptr;

}  // namespace

TrButton::TrButton(QWidget* parent) : QWidget(parent) {
  if (liveButtons++ == 0) {
    hoverTimer = new QTimer;
    hoverTimer->setInterval(100);
    QObject::connect(hoverTimer, &QTimer::timeout, [] {
      if (hotButton && !hotButton->IsUnderCursor()) hotButton->Leave();
    });
  }
  colors_[3] = QColor(Qt::white);
  colors_[4] = QColor(Qt::black);
  resize(25, 25);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setBackgroundRole(QPalette::Button);
  setForegroundRole(QPalette::ButtonText);
}

TrButton::~TrButton() {
  StopWatching(this);
  if (--liveButtons == 0) {
    delete hoverTimer;
    hoverTimer = nullptr;
  }
}

TrButton* TrButton::HotButton() {
  return hotButton;
}

QTimer* TrButton::HoverTimer() {
  return hoverTimer;
}

QColor TrButton::Resolved(const std::optional<QColor>& color) const {
  return color ? *color : palette().color(QPalette::Active, QPalette::Button);
}

QColor TrButton::Color() const {
  return Resolved(color_);
}

void TrButton::SetColor(const QColor& color) {
  color_ = color;
  update();
}

QColor TrButton::ColorOf(int index) const {
  return Resolved(colors_[index]);
}

void TrButton::SetColorOf(int index, const QColor& color) {
  colors_[index] = color;
  update();
}

void TrButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down) {
    if (state_ == TButtonState::Up) update();
    state_ = TButtonState::Down;
  } else {
    state_ = TButtonState::Up;
    repaint();
  }
}

void TrButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  update();
}

void TrButton::SetImageList(TtxImageList* list) {
  if (list == imageList_) return;
  if (imageList_) disconnect(imageList_, nullptr, this, nullptr);
  imageList_ = list;
  if (list) {
    connect(list, &TtxImageList::Changed, this, qOverload<>(&QWidget::update));
    connect(list, &QObject::destroyed, this, qOverload<>(&QWidget::update));
  }
  update();
}

void TrButton::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TrButton::SetSmallIcon(bool small) {
  smallIcon_ = small;
  update();
}

void TrButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (shortcutId_ != 0) releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const TCaptionMarks marks = ResolveCaptionMarks(caption);
  // "& " in a file name is no accelerator: Alt+Space belongs to the window menu.
  if (marks.accelerator >= 0 && !marks.text[marks.accelerator].isSpace()) {
    const QChar key = marks.text[marks.accelerator].toUpper();
    shortcutId_ =
        grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
  }
  UpdateAccessibleName();
  update();
}

void TrButton::SetHint(const QString& hint) {
  setToolTip(hint);
  UpdateAccessibleName();
}

void TrButton::UpdateAccessibleName() {
  const QString caption = ResolveCaptionMarks(caption_).text;
  setAccessibleName(caption.isEmpty() ? toolTip() : caption);
}

void TrButton::SetAction(TtxAction* action) {
  if (action_) disconnect(action_, nullptr, this, nullptr);
  action_ = action;
  if (!action) return;
  SetDown(action->isChecked());
  SetHelpContext(action->HelpContext());
  SetImageIndex(action->ImageIndex());
  SetImageList(action->ImageList());
  TakeActionState();
  connect(action, &QAction::changed, this, &TrButton::TakeActionState);
}

// What later changes of the action carry over: not its checked state or image.
void TrButton::TakeActionState() {
  SetCaption(action_->text());
  setEnabled(action_->isEnabled());
  SetHint(action_->Hint());
  // A button without a parent would become a window of its own when shown.
  if (!action_->isVisible() || parentWidget()) setVisible(action_->isVisible());
}

void TrButton::Click() {
  const QPointer<TrButton> alive(this);
  emit Clicked();
  if (alive && action_) action_->trigger();
}

bool TrButton::IsUnderCursor() const {
  return QApplication::widgetAt(QCursor::pos()) == this;
}

// The row just below the button still counts, the column just right of it not.
bool TrButton::IsInside(const QPoint& pos) const {
  return pos.x() >= 0 && pos.x() < width() && pos.y() >= 0 && pos.y() <= height();
}

void TrButton::Enter() {
  if (!isEnabled() || hot_) return;
  hot_ = true;
  update();
}

void TrButton::Leave() {
  if (!isEnabled() || pressing_) return;
  // Also a button that is no longer hot stops being watched, so that the
  // mouse coming back makes it hot again.
  StopWatching(this);
  if (!hot_) return;
  hot_ = false;
  update();
}

void TrButton::StopWatching(const TrButton* button) {
  if (hotButton != button) return;
  hoverTimer->stop();
  hotButton = nullptr;
}

void TrButton::Reevaluate() {
  if (!isEnabled()) return;
  if (IsUnderCursor()) {
    Enter();
  } else {
    Leave();
  }
}

bool TrButton::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Shortcut:
      if (static_cast<QShortcutEvent*>(event)->shortcutId() != shortcutId_) break;
      if (isEnabled()) {
        SetDown(true);
        Click();
      }
      return true;
    case QEvent::ToolTip:
      if (showHint_) break;
      event->ignore();
      return true;
    default:
      break;
  }
  return QWidget::event(event);
}

void TrButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      if (!isEnabled()) {
        hot_ = false;
        state_ = TButtonState::Disabled;
        StopWatching(this);
      }
      Reevaluate();
      update();
      break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
      update();
      break;
    default:
      break;
  }
}

void TrButton::mousePressEvent(QMouseEvent* event) {
  emit MouseDown(event->button(), event->position().toPoint());
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  if (!down_) {
    state_ = TButtonState::Pressed;
    update();
  }
  pressing_ = true;
  if (isVisible()) setFocus(Qt::MouseFocusReason);
}

void TrButton::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved(event->position().toPoint());
  if (hotButton != this && QApplication::widgetAt(event->globalPosition().toPoint()) == this) {
    if (hotButton) hotButton->Leave();
    hoverTimer->stop();
    hotButton = this;
    hoverTimer->start();
    Enter();
  }
  if (!pressing_) return;
  const bool inside = IsInside(event->position().toPoint());
  const TButtonState wanted =
      down_ ? TButtonState::Down : (inside ? TButtonState::Pressed : TButtonState::Up);
  if (wanted != state_) {
    state_ = wanted;
    update();
  }
}

void TrButton::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseUp(event->button(), event->position().toPoint());
  if (!pressing_) return;
  pressing_ = false;
  // A latched button stays sunken after the click.
  state_ = down_ ? TButtonState::Down : TButtonState::Up;
  hot_ = false;
  if (IsInside(event->position().toPoint())) {
    update();
    const QPointer<TrButton> alive(this);
    Click();
    if (!alive) return;
  } else {
    Leave();
  }
  Reevaluate();
}

void TrButton::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPointer<TrButton> alive(this);
  if (event->button() == Qt::LeftButton && down_) emit DblClicked();
  if (alive) mousePressEvent(event);
}

void TrButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) {
    QWidget::keyPressEvent(event);
    return;
  }
  state_ = TButtonState::Pressed;
  update();
}

void TrButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (event->isAutoRepeat()) return;
  state_ = down_ ? TButtonState::Down : TButtonState::Up;
  update();
  Click();
}

void TrButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  keyboardFocus_ = event->reason() == Qt::TabFocusReason ||
                   event->reason() == Qt::BacktabFocusReason;
  if (!isEnabled()) return;
  hot_ = true;
  update();
}

void TrButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  keyboardFocus_ = false;
  Leave();
}

void TrButton::contextMenuEvent(QContextMenuEvent* event) {
  if (!popupMenu_) {
    event->ignore();
    return;
  }
  popupMenu_->popup(event->globalPos());
}

}  // namespace tolvex

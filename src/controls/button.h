// TrButton: the flat, owner-drawn image button of the bar and its panels.
// At rest it is a flat area in its face colour; "hot" (mouse over it or
// focused) it shows a raised one-pixel frame, pressed or latched down a
// sunken one. It shows a picture or one image of an image list, and a
// word-wrapped caption right of it. An action can drive it.
#pragma once

#include <QColor>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "controls/action.h"
#include "controls/image_list.h"

class QTimer;

namespace tolvex {

class TrButton : public QWidget {
  Q_OBJECT

 public:
  enum class TButtonState : quint8 { Up = 0, Disabled = 1, Pressed = 2, Down = 3 };

  explicit TrButton(QWidget* parent = nullptr);
  ~TrButton() override;

  // Colours; those not set follow the palette's button face.
  QColor Color() const;
  void SetColor(const QColor& color);
  QColor ColorFocused() const { return ColorOf(0); }
  void SetColorFocused(const QColor& color) { SetColorOf(0, color); }
  QColor ColorDown() const { return ColorOf(1); }
  void SetColorDown(const QColor& color) { SetColorOf(1, color); }
  QColor ColorBorder() const { return ColorOf(2); }
  void SetColorBorder(const QColor& color) { SetColorOf(2, color); }
  QColor ColorHighLight() const { return ColorOf(3); }
  void SetColorHighLight(const QColor& color) { SetColorOf(3, color); }
  QColor ColorShadow() const { return ColorOf(4); }
  void SetColorShadow(const QColor& color) { SetColorOf(4, color); }

  // Latched down: drawn sunken until cleared.
  bool Down() const { return down_; }
  void SetDown(bool down);

  // The image of ImageList to show; below 0 shows none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  TtxImageList* ImageList() const { return imageList_; }
  void SetImageList(TtxImageList* list);

  // Shown instead of the image list when not null. With SmallIcon it takes
  // half its size in room and on screen: hand it the icon at twice the size
  // it is to be shown at.
  QPixmap Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  bool SmallIcon() const { return smallIcon_; }
  void SetSmallIcon(bool small);

  // "&" marks the accelerator character; "&&" is a plain "&".
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // The hint is the button's tool tip, shown only while ShowHint is set.
  // Screen readers read the caption, or the hint of a button without one.
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }
  // Shown on a context-menu request; without one the request goes to the parent.
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  // In the tab order; the button takes the focus on a left click either way.
  // Focus reached by the keyboard shows a dotted frame.
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

  // The button takes caption, Down (checked), enabled state, help context,
  // hint, image, visibility and click from the action, and follows its later
  // changes of caption, enabled state, hint and visibility.
  TtxAction* Action() const { return action_; }
  void SetAction(TtxAction* action);

  TButtonState ButtonState() const { return state_; }
  bool Hot() const { return hot_; }
  bool Pressing() const { return pressing_; }

  // The button the shared hover timer watches, or none; the timer exists
  // while any button exists.
  static TrButton* HotButton();
  static QTimer* HoverTimer();

  // Raised by a left click released inside the button (the row just below
  // it counts), by releasing Space and by Alt with the caption's accelerator
  // (which also sets Down). Raises Clicked and executes the action, if any;
  // a launcher replaces it with its launch.
  virtual void Click();

 signals:
  void Clicked();
  // A double click while Down is set.
  void DblClicked();
  void MouseDown(Qt::MouseButton button, QPoint pos);
  void MouseMoved(QPoint pos);
  void MouseUp(Qt::MouseButton button, QPoint pos);

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QColor ColorOf(int index) const;
  // The one setter of ColorFocused (0), ColorDown (1), ColorBorder (2),
  // ColorHighLight (3) and ColorShadow (4).
  void SetColorOf(int index, const QColor& color);
  QColor Resolved(const std::optional<QColor>& color) const;
  void UpdateAccessibleName();

  bool IsUnderCursor() const;
  bool IsInside(const QPoint& pos) const;
  void Enter();
  void Leave();
  void Reevaluate();
  static void StopWatching(const TrButton* button);
  void TakeActionState();
  void PaintFace(QPainter& painter);

  std::optional<QColor> color_;
  std::array<std::optional<QColor>, 5> colors_;
  bool down_ = false;
  int imageIndex_ = 0;
  QPointer<TtxImageList> imageList_;
  QMetaObject::Connection imageListChanged_;
  QPixmap picture_;
  bool smallIcon_ = false;
  QString caption_;
  int shortcutId_ = 0;
  bool showHint_ = true;
  int helpContext_ = 0;
  QPointer<QMenu> popupMenu_;
  QPointer<TtxAction> action_;
  QMetaObject::Connection actionChanged_;

  TButtonState state_ = TButtonState::Up;
  bool hot_ = false;
  bool pressing_ = false;
  // The focus came by the keyboard (Tab, Backtab): the focus frame shows.
  bool keyboardFocus_ = false;
  QPixmap buffer_;
};

}  // namespace tolvex

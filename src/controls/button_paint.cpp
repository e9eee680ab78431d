// Painting of the image button: everything is drawn into an off-screen
// pixmap of the button's size, which is then copied in one step.
#include <QPainter>
#include <QStyle>

#include "controls/button.h"
#include "controls/caption_text.h"

namespace tolvex {

namespace {

// A one-pixel frame: the top row and left column (but for the far corners)
// in `topLeft`, the right column and bottom row in `bottomRight`.
void Frame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
  painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
  painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
  painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
}

}  // namespace

void TrButton::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (buffer_.size() != pixels) buffer_ = QPixmap(pixels);
  buffer_.setDevicePixelRatio(ratio);
  {
    QPainter painter(&buffer_);
    PaintFace(painter);
  }
  QPainter(this).drawPixmap(0, 0, buffer_);
}

void TrButton::PaintFace(QPainter& painter) {
  const int w = width();
  const int h = height();
  const bool hasPicture = !picture_.isNull();
  const bool hasImage = !hasPicture && imageIndex_ >= 0 && imageList_;
  const QSize pictureSize = picture_.deviceIndependentSize().toSize();

  int iw = 0;
  int ih = 0;
  if (hasPicture) {
    iw = pictureSize.width() + 4;
    ih = pictureSize.height() + 4;
    if (smallIcon_) {
      iw /= 2;
      ih /= 2;
    }
  } else if (hasImage) {
    iw = imageList_->Width() + 4;
    ih = imageList_->Height() + 4;
  }

  if (!isEnabled()) {
    state_ = TButtonState::Disabled;
    pressing_ = false;
  } else if (state_ == TButtonState::Disabled) {
    state_ = TButtonState::Up;
  }

  QColor fill;
  switch (state_) {
    case TButtonState::Up:
      fill = hot_ ? ColorFocused() : Color();
      break;
    case TButtonState::Disabled:
      fill = Color();
      break;
    case TButtonState::Pressed:
      fill = ColorDown();
      break;
    case TButtonState::Down:
      fill = hot_ ? ColorFocused() : ColorDown();
      break;
  }
  painter.fillRect(rect(), fill);

  if (state_ == TButtonState::Pressed || state_ == TButtonState::Down) {
    Frame(painter, rect(), ColorShadow(), ColorHighLight());
  } else if (state_ == TButtonState::Up && hot_) {
    Frame(painter, rect(), ColorHighLight(), ColorShadow());
  } else {
    Frame(painter, rect(), ColorBorder(), ColorBorder());
  }

  if (keyboardFocus_ && hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }

  if (hasPicture) {
    const QSize shown = smallIcon_ ? pictureSize / 2 : pictureSize;
    const int y = h > pictureSize.height() ? (h - ih) / 2 + 2 : 2;
    painter.drawPixmap(QRect(QPoint(2, y), shown), picture_);
  } else if (hasImage) {
    const int imageWidth = imageList_->Width();
    const int imageHeight = imageList_->Height();
    int x = (w - imageWidth) / 2;
    int y = (h - imageHeight) / 2;
    if (!caption_.isEmpty()) {
      x = 2;
      y = h > imageHeight ? (h - imageHeight) / 2 + 2 : 2;
    }
    imageList_->Draw(painter, x, y, imageIndex_, state_ != TButtonState::Disabled);
  }

  if (caption_.isEmpty()) return;
  const TCaptionLayout caption(caption_, font(), w - iw, h);
  const QPoint origin(iw, caption.Height() < h ? (h - caption.Height()) / 2 : 0);
  const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
  painter.setClipRect(QRect(origin, QPoint(w - 1, origin.y() + h - 1)));
  if (state_ == TButtonState::Disabled) {
    caption.Draw(painter, origin + QPoint(1, 1), palette().color(QPalette::Active, QPalette::Light),
                 underline);
    caption.Draw(painter, origin, palette().color(QPalette::Active, QPalette::Dark), underline);
  } else {
    caption.Draw(painter, origin, palette().color(foregroundRole()), underline);
  }
}

}  // namespace tolvex

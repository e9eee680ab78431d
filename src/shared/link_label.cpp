// The link label.
#include "shared/link_label.h"

#include <QMouseEvent>

namespace tolvex {

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  setPalette(blue);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tolvex

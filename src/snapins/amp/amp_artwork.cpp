// Drawing the remote's pictures: the usual transport symbols in dark ink,
// and a small player window with a play mark for starting the player.
#include "snapins/amp/amp_artwork.h"

#include <QPainter>
#include <QPolygon>

#include "controls/image_list.h"

namespace tolvex {

namespace {

const QColor kInk(0x28, 0x28, 0x30);
const QColor kFrame(0x50, 0x60, 0x80);
const QColor kScreen(0xd8, 0xe4, 0xf4);
const QColor kMark(0x20, 0x90, 0x30);

// A triangle pointing right (`right`) or left, `width` wide from x.
void DrawTriangle(QPainter& p, int x, int width, bool right) {
  const int tip = right ? x + width : x;
  const int base = right ? x : x + width;
  p.drawPolygon(QPolygon({QPoint(base, 3), QPoint(tip, 8), QPoint(base, 13)}));
}

}  // namespace

QPixmap AmpImage(int image) {
  QPixmap pixmap = BlankImage(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  switch (image) {
    case aiPrevious:
      p.drawRect(2, 3, 2, 10);
      DrawTriangle(p, 4, 5, false);
      DrawTriangle(p, 9, 5, false);
      break;
    case aiStop:
      p.drawRect(3, 3, 10, 10);
      break;
    case aiNext:
      DrawTriangle(p, 2, 5, true);
      DrawTriangle(p, 7, 5, true);
      p.drawRect(12, 3, 2, 10);
      break;
    case aiPause:
      p.drawRect(3, 3, 4, 10);
      p.drawRect(9, 3, 4, 10);
      break;
    case aiPlay:
      DrawTriangle(p, 4, 9, true);
      break;
    case aiLaunch:
      p.setPen(kFrame);
      p.setBrush(kScreen);
      p.drawRect(QRectF(1.5, 2.5, 13, 11));
      p.setPen(Qt::NoPen);
      p.setBrush(kFrame);
      p.drawRect(2, 3, 12, 2);
      p.setBrush(kMark);
      p.drawPolygon(QPolygon({QPoint(6, 6), QPoint(11, 9), QPoint(6, 12)}));
      break;
    default:
      break;
  }
  return pixmap;
}

}  // namespace tolvex

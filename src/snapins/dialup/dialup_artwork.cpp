// Drawing the dial-up panel's pictures: a plug and a socket, apart while
// idle, joined while connected, and a socket crossed out without entries.
#include "snapins/dialup/dialup_artwork.h"

#include <QPainter>

namespace tolvex {

namespace {

const QColor kInk(0x30, 0x30, 0x30);
const QColor kMetal(0xb0, 0xb0, 0xb8);
const QColor kLink(0x20, 0x90, 0x30);
const QColor kCross(0xc0, 0x20, 0x20);

// The socket on the left, its cable leaving to the left edge.
void DrawSocket(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kMetal);
  p.drawRect(2, 4, 4, 7);
  p.drawLine(0, 8, 2, 8);
}

// The plug with its two pins pointing left from `x`, its cable to the right.
void DrawPlug(QPainter& p, int x) {
  p.setPen(kInk);
  p.setBrush(kMetal);
  p.drawRect(x, 4, 4, 7);
  p.drawLine(x - 2, 6, x, 6);
  p.drawLine(x - 2, 9, x, 9);
  p.drawLine(x + 4, 8, 15, 8);
}

}  // namespace

QPixmap DialUpImage(int image) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  switch (image) {
    case diIdle:
      DrawSocket(p);
      DrawPlug(p, 10);
      break;
    case diConnected:
      DrawSocket(p);
      DrawPlug(p, 8);
      p.setPen(QPen(kLink, 2));
      p.drawLine(3, 14, 12, 14);
      break;
    case diNoEntries:
      DrawSocket(p);
      p.setPen(QPen(kCross, 2));
      p.drawLine(8, 3, 14, 12);
      p.drawLine(14, 3, 8, 12);
      break;
    default:
      break;
  }
  return pixmap;
}

}  // namespace tolvex

// Drawing the header's pictures.
#include "app/bar_artwork.h"

#include <QPainter>
#include <QPolygon>

#include "controls/image_list.h"

namespace tolvex {
namespace {

// The state images lie on the header, in the caption colour: light ink, a
// warm colour for "on" and a faded one for "not available".
const QColor kInk(0xf0, 0xf0, 0xf0);
const QColor kActive(0xff, 0xd0, 0x40);
const QColor kGrey(0xa0, 0xb0, 0xc0);
// The glyph sits on the same header.
const QColor kGlyphInk(0x20, 0x20, 0x20);
const QColor kGlyphTitle(0x1c, 0x6c, 0xd0);

// A pin: upright (on) pushed in, lying (off) pulled out.
void DrawPin(QPainter& p, bool on) {
  p.setPen(on ? kActive : kInk);
  if (on) {
    p.drawRect(5, 0, 5, 3);
    p.drawLine(3, 4, 12, 4);
    p.drawLine(7, 5, 7, 7);
    p.drawLine(8, 5, 8, 7);
  } else {
    p.drawRect(9, 2, 3, 4);
    p.drawLine(13, 1, 13, 7);
    p.drawLine(3, 4, 8, 4);
  }
}

// A bar at the right edge with an arrow: hiding (on) points into the edge,
// shown (off) points out of it; greyed when auto-hide is not available.
void DrawEdge(QPainter& p, bool on, const QColor& colour) {
  p.setPen(colour);
  p.fillRect(13, 0, 2, 8, colour);
  const QPolygon arrow = on ? QPolygon({QPoint(8, 1), QPoint(11, 4), QPoint(8, 7)})
                            : QPolygon({QPoint(5, 1), QPoint(2, 4), QPoint(5, 7)});
  p.setBrush(colour);
  p.drawPolygon(arrow);
  p.drawLine(on ? 3 : 6, 4, on ? 8 : 11, 4);
}

}  // namespace

QPixmap MainButtonGlyph(double devicePixelRatio) {
  QPixmap pixmap = BlankImage(16, 16, devicePixelRatio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kGlyphInk, 1));
  p.setBrush(QColor(0xf4, 0xf4, 0xf4));
  p.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 1.5, 1.5);
  p.fillRect(QRectF(4, 1, 8, 3), kGlyphTitle);
  const QColor tiles[] = {QColor(0xe0, 0x60, 0x30), QColor(0x40, 0xa0, 0x40),
                          QColor(0xd0, 0xa0, 0x20)};
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(5, 5.5 + i * 3.3, 6, 2.2), tiles[i]);
  return pixmap;
}

QPixmap SmallButtonImage(TSmallButtonImage image) {
  QPixmap pixmap = BlankImage(16, 8, 1.0);
  QPainter p(&pixmap);
  switch (image) {
    case sbAlwaysOnTopOn:
    case sbAlwaysOnTopOff:
      DrawPin(p, image == sbAlwaysOnTopOn);
      break;
    case sbAutoHideOn:
    case sbAutoHideOff:
      DrawEdge(p, image == sbAutoHideOn, image == sbAutoHideOn ? kActive : kInk);
      break;
    case sbAutoHideNotAvailable:
      DrawEdge(p, false, kGrey);
      break;
  }
  return pixmap;
}

}  // namespace tolvex

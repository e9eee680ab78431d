// Drawing the header's pictures.
#include "app/bar_artwork.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include "app/appbar.h"

#include "controls/image_list.h"

namespace tolvex {
namespace {

// The state images lie on the header, in the caption colour: light ink, a
// warm colour for "on" and a faded one for "not available".
const QColor kInk(0xf0, 0xf0, 0xf0);
const QColor kActive(0xff, 0xd0, 0x40);
const QColor kGrey(0xa0, 0xb0, 0xc0);
// Around every state image, so that the light ink shows on a light face too.
const QColor kOutline(0x20, 0x30, 0x48);
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

namespace {

QPixmap StateShape(TSmallButtonImage image) {
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
    case sbAutoHideOnRight:
    case sbAutoHideOffRight:
      p.end();
      return StateShape(image == sbAutoHideOnRight ? sbAutoHideOn : sbAutoHideOff)
          .transformed(QTransform::fromScale(-1, 1));
  }
  return pixmap;
}

// `shape` over its own silhouette in the outline colour, moved by one pixel
// in each of the eight directions.
QPixmap Outlined(const QPixmap& shape) {
  QPixmap silhouette = shape;
  {
    QPainter p(&silhouette);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(silhouette.rect(), kOutline);
  }
  QPixmap pixmap = BlankImage(shape.width(), shape.height(), 1.0);
  QPainter p(&pixmap);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (dx != 0 || dy != 0) p.drawPixmap(dx, dy, silhouette);
    }
  }
  p.drawPixmap(0, 0, shape);
  return pixmap;
}

}  // namespace

QPixmap SmallButtonImage(TSmallButtonImage image) {
  return Outlined(StateShape(image));
}

TSmallButtonImage AutoHideImage(TAppBarEdge edge, bool on) {
  switch (edge) {
    case abeFloat:
      return sbAutoHideNotAvailable;
    case abeRight:
      return on ? sbAutoHideOnRight : sbAutoHideOffRight;
    default:
      return on ? sbAutoHideOn : sbAutoHideOff;
  }
}

}  // namespace tolvex

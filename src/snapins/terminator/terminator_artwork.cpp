// Drawing the shutdown panel's pictures.
#include "snapins/terminator/terminator_artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tolvex {
namespace {

const QColor kPowerRed(0xc8, 0x28, 0x20);
const QColor kRebootGreen(0x2c, 0x8c, 0x34);
const QColor kLogOffBlue(0x24, 0x5c, 0xb8);
const QColor kWarningYellow(0xf4, 0xc0, 0x20);
const QColor kInk(0x30, 0x30, 0x30);
const QColor kScreen(0x9c, 0xc8, 0xf0);

// The power sign: a ring open at the top with a bar through the gap.
void DrawPowerSign(QPainter& p, const QRectF& ring, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(ring, 120 * 16, -300 * 16);
  const qreal x = ring.center().x();
  p.drawLine(QPointF(x, ring.top() - 0.5), QPointF(x, ring.center().y()));
}

void DrawShutdown(QPainter& p) {
  DrawPowerSign(p, QRectF(2.5, 3, 11, 11), kPowerRed, 2.0);
}

// A circular arrow turning clockwise.
void DrawReboot(QPainter& p) {
  p.setPen(QPen(kRebootGreen, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 270 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kRebootGreen);
  p.drawPolygon(QPolygonF({QPointF(8.0, 0.0), QPointF(13.5, 3.0), QPointF(8.5, 6.5)}));
}

// An open door with an arrow leaving through it.
void DrawLogOff(QPainter& p) {
  p.setPen(QPen(kInk, 1.0));
  p.setBrush(QColor(0xe8, 0xd8, 0xb8));
  p.drawRect(QRectF(1.5, 1.5, 8, 13));
  p.setBrush(QColor(0xa0, 0x70, 0x40));
  p.drawPolygon(
      QPolygonF({QPointF(1.5, 1.5), QPointF(6.5, 3.5), QPointF(6.5, 15.5), QPointF(1.5, 14.5)}));
  p.setPen(QPen(kLogOffBlue, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.0, 8.0), QPointF(13.0, 8.0));
  p.setPen(Qt::NoPen);
  p.setBrush(kLogOffBlue);
  p.drawPolygon(QPolygonF({QPointF(12.0, 4.5), QPointF(15.8, 8.0), QPointF(12.0, 11.5)}));
}

// A warning triangle with the power sign inside.
void DrawForceShutdown(QPainter& p) {
  p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kWarningYellow);
  p.drawPolygon(QPolygonF({QPointF(8.0, 0.8), QPointF(15.3, 14.8), QPointF(0.7, 14.8)}));
  DrawPowerSign(p, QRectF(5.0, 7.0, 6, 6), kPowerRed, 1.5);
}

// A screen whose cable is cut.
void DrawDisconnect(QPainter& p) {
  p.setPen(QPen(kInk, 1.0));
  p.setBrush(kScreen);
  p.drawRect(QRectF(0.5, 0.5, 11, 8));
  p.drawLine(QPointF(6.0, 9.0), QPointF(6.0, 10.5));
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(6.0, 10.5), QPointF(6.0, 12.0));
  p.drawLine(QPointF(6.0, 14.5), QPointF(6.0, 16.0));
  p.setPen(QPen(kPowerRed, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.0, 10.0), QPointF(15.0, 15.0));
  p.drawLine(QPointF(15.0, 10.0), QPointF(10.0, 15.0));
}

}  // namespace

QPixmap TerminatorImage(TTerminatorImage image) {
  QPixmap pixmap(kTerminatorImageSize, kTerminatorImageSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (image) {
    case tiShutdown:
      DrawShutdown(p);
      break;
    case tiReboot:
      DrawReboot(p);
      break;
    case tiLogOff:
      DrawLogOff(p);
      break;
    case tiForceShutdown:
      DrawForceShutdown(p);
      break;
    case tiDisconnect:
      DrawDisconnect(p);
      break;
  }
  return pixmap;
}

}  // namespace tolvex

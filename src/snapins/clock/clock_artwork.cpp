// Drawing the clock panel's pictures.
#include "snapins/clock/clock_artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "controls/image_list.h"

namespace tolvex {

namespace {

const QColor kStrip(0x10, 0x24, 0x78);
const QColor kSheet(0xfc, 0xfc, 0xf6);
const QColor kSheetEdge(0x90, 0x90, 0x88);
const QColor kRing(0x50, 0x50, 0x58);
const QColor kInk(0x30, 0x30, 0x30);
const QColor kClockFace(0xfa, 0xfa, 0xff);
const QColor kGreen(0x20, 0x90, 0x40);
const QColor kMoon(0xf0, 0xd8, 0x60);
const QColor kRed(0xc8, 0x30, 0x28);

void DrawClockFace(QPainter& p) {
  p.setPen(QPen(kStrip, 1.2));
  p.setBrush(kClockFace);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(8, 8), QPointF(8, 4));
  p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

// A circle of two arrows: the clock set from a server.
void DrawSynchronise(QPainter& p) {
  p.setPen(QPen(kGreen, 1.6));
  p.setBrush(Qt::NoBrush);
  const QRectF circle(3, 3, 10, 10);
  p.drawArc(circle, 30 * 16, 150 * 16);
  p.drawArc(circle, 210 * 16, 150 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF({QPointF(12.5, 2), QPointF(15, 7), QPointF(10, 7)}));
  p.drawPolygon(QPolygonF({QPointF(3.5, 14), QPointF(1, 9), QPointF(6, 9)}));
}

void DrawMoon(QPainter& p) {
  QPainterPath disc;
  disc.addEllipse(QRectF(2, 2, 12, 12));
  QPainterPath bite;
  bite.addEllipse(QRectF(6, 0, 12, 12));
  p.setPen(QPen(kMoon.darker(140), 1));
  p.setBrush(kMoon);
  p.drawPath(disc.subtracted(bite));
}

// A small calendar page with a red head and a grid of days.
void DrawYearCalendar(QPainter& p) {
  p.setPen(QPen(kSheetEdge, 1));
  p.setBrush(kSheet);
  p.drawRect(1, 2, 13, 12);
  p.fillRect(2, 3, 12, 3, kRed);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      p.fillRect(3 + column * 3, 7 + row * 2, 2, 1, kInk);
    }
  }
}

}  // namespace

QPixmap CalendarSheetPicture() {
  QPixmap pixmap = BlankImage(64, 64);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The sheet, with a second one peeking out below it.
  p.setPen(QPen(kSheetEdge, 1));
  p.setBrush(kSheet.darker(108));
  p.drawRect(QRectF(4.5, 20.5, 56, 41));
  p.setBrush(kSheet);
  p.drawRect(QRectF(3.5, 18.5, 56, 41));
  // The strip the sheets are torn from, and its binding rings.
  p.setPen(Qt::NoPen);
  p.setBrush(kStrip);
  p.drawRoundedRect(QRectF(1, 2, 62, 18), 2, 2);
  p.setPen(QPen(kRing, 1.5));
  for (int x : {14, 49}) p.drawLine(QPointF(x, 0.5), QPointF(x, 5));
  return pixmap;
}

QPixmap MonthArrowPicture(bool next) {
  QPixmap pixmap = BlankImage(9, 9);
  QPainter p(&pixmap);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(next ? QPolygon({QPoint(2, 0), QPoint(7, 4), QPoint(2, 8)})
                     : QPolygon({QPoint(7, 0), QPoint(2, 4), QPoint(7, 8)}));
  return pixmap;
}

QPixmap ClockActionImage(TClockImage image) {
  QPixmap pixmap = BlankImage(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (image) {
    case ciChangeDateTime:
      DrawClockFace(p);
      break;
    case ciSynchronise:
      DrawSynchronise(p);
      break;
    case ciMoonphase:
      DrawMoon(p);
      break;
    case ciYearCalendar:
      DrawYearCalendar(p);
      break;
  }
  return pixmap;
}

QPixmap YearCalendarIcon() {
  QPixmap pixmap = BlankImage(32, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(2, 2);
  DrawYearCalendar(p);
  return pixmap;
}

}  // namespace tolvex

// Drawing the notes snap-in's pictures.
#include "snapins/notes/notes_artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "controls/image_list.h"

namespace tolvex {

namespace {

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xff, 0xf6, 0xa8);  // the note's pale yellow, a little warmer
const QColor kWhite(0xfc, 0xfc, 0xfc);
const QColor kBlue(0x2a, 0x62, 0xc0);
const QColor kGreen(0x2e, 0x9a, 0x3a);
const QColor kRed(0xc8, 0x2a, 0x22);
const QColor kBrown(0x9a, 0x6a, 0x30);
const QColor kGrey(0x90, 0x90, 0x90);

// A sheet with a folded top-right corner and, if asked, lines of text.
void Sheet(QPainter& p, const QRectF& r, const QColor& paper, bool lines,
           const QColor& edge = kInk) {
  const double fold = 3;
  QPolygonF outline({r.topLeft(), QPointF(r.right() - fold, r.top()),
                     QPointF(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
  p.setPen(QPen(edge, 1));
  p.setBrush(paper);
  p.drawPolygon(outline);
  p.drawPolyline(
      QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                 QPointF(r.right(), r.top() + fold)}));
  if (!lines) return;
  p.setPen(QPen(kGrey, 1));
  for (double y = r.top() + 4; y < r.bottom() - 1; y += 2.5)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void Plus(QPainter& p, QPointF centre, const QColor& colour) {
  p.setPen(QPen(colour, 2));
  p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
  p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
}

void Check(QPainter& p, QPointF at, const QColor& colour) {
  p.setPen(QPen(colour, 1.5));
  p.drawPolyline(QPolygonF({at, at + QPointF(2, 2), at + QPointF(6, -3)}));
}

void Arrow(QPainter& p, QPointF tip, bool up, const QColor& colour) {
  const double d = up ? 1 : -1;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({tip, tip + QPointF(-3.5, 3.5 * d), tip + QPointF(3.5, 3.5 * d)}));
  p.setPen(QPen(colour, 2));
  p.drawLine(tip + QPointF(0, 3 * d), tip + QPointF(0, 7 * d));
}

void DrawNote(QPainter& p, TNoteImage image) {
  switch (image) {
    case niNew:
      Sheet(p, QRectF(2.5, 0.5, 10, 13), kPaper, true);
      Plus(p, QPointF(12, 12), kGreen);
      break;
    case niSave:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(kWhite);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.fillRect(QRectF(9, 2, 2, 4), kInk);
      p.drawRect(QRectF(3.5, 9.5, 9, 5));
      break;
    case niDelete:
      p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
      p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
      break;
    case niCopy:
      Sheet(p, QRectF(1.5, 0.5, 8, 10), kWhite, true);
      Sheet(p, QRectF(6.5, 5.5, 8, 10), kWhite, true);
      break;
    case niCut:
      p.setPen(QPen(kInk, 1.2));
      p.drawLine(QPointF(5, 1), QPointF(10, 10));
      p.drawLine(QPointF(11, 1), QPointF(6, 10));
      p.setPen(QPen(kRed, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
      p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
      break;
    case niPaste:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBrown);
      p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
      p.setBrush(kGrey);
      p.drawRect(QRectF(4.5, 1.5, 4, 2));
      Sheet(p, QRectF(6.5, 6.5, 8, 9), kWhite, true);
      break;
    case niUndo: {
      QPainterPath path;
      path.moveTo(4, 7);
      path.cubicTo(7, 3, 14, 4, 13, 10);
      path.cubicTo(12.5, 12, 11, 13, 9, 13.5);
      p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(7, 5), QPointF(2.5, 10)}));
      break;
    }
    case niProperties:
      Sheet(p, QRectF(1.5, 0.5, 10, 14), kPaper, false);
      for (int row = 0; row < 3; ++row) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kWhite);
        p.drawRect(QRectF(3.5, 3.5 + row * 3.5, 2, 2));
        p.setPen(QPen(kGrey, 1));
        p.drawLine(QPointF(7, 4.5 + row * 3.5), QPointF(10, 4.5 + row * 3.5));
      }
      Check(p, QPointF(9, 12), kGreen);
      break;
  }
}

void DrawPanel(QPainter& p, TNotesPanelImage image) {
  switch (image) {
    case piNewNote:
      DrawNote(p, niNew);
      break;
    case piNotesList:
      Sheet(p, QRectF(4.5, 0.5, 10, 11), kPaper, false);
      Sheet(p, QRectF(2.5, 2.5, 10, 11), kPaper, false);
      Sheet(p, QRectF(0.5, 4.5, 10, 11), kPaper, true);
      break;
    case piShowNotes:
      Sheet(p, QRectF(0.5, 4.5, 9, 11), kPaper, true);
      Sheet(p, QRectF(5.5, 2.5, 9, 11), kPaper, true);
      Arrow(p, QPointF(12, 0.5), true, kGreen);
      break;
    case piSelectNote:
      Sheet(p, QRectF(1.5, 0.5, 10, 13), kPaper, true);
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      p.drawPolygon(QPolygonF({QPointF(8, 11), QPointF(16, 11), QPointF(12, 15.5)}));
      break;
    case piHiddenNote:
      Sheet(p, QRectF(2.5, 0.5, 11, 14), QColor(0xee, 0xee, 0xe4), true, kGrey);
      break;
    case piTaskList:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kWhite);
      p.drawRect(QRectF(0.5, 0.5, 15, 15));
      for (int row = 0; row < 3; ++row) {
        Check(p, QPointF(2, 3.5 + row * 4.5), kGreen);
        p.setPen(QPen(kGrey, 1));
        p.drawLine(QPointF(9, 3.5 + row * 4.5), QPointF(14, 3.5 + row * 4.5));
      }
      break;
  }
}

}  // namespace

QPixmap NoteImage(TNoteImage image) {
  QPixmap pixmap = BlankImage(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawNote(p, image);
  return pixmap;
}

QPixmap NotesPanelImage(TNotesPanelImage image) {
  QPixmap pixmap = BlankImage(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, image);
  return pixmap;
}

void AddNoteImages(TtxImageList& list) {
  for (int i = 0; i < kNoteImageCount; ++i) list.Add(NoteImage(TNoteImage(i)));
}

void AddNotesPanelImages(TtxImageList& list) {
  for (int i = 0; i < kNotesPanelImageCount; ++i) list.Add(NotesPanelImage(TNotesPanelImage(i)));
}

}  // namespace tolvex

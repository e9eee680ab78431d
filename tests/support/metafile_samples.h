// Metafiles using most kinds of record: the starting point of the damage
// tests and of the fuzz corpus.
#pragma once

#include <QByteArray>
#include <QImage>

#include "support/metafile_writer.h"

namespace tolvex::test {

// An enhanced metafile using most kinds of record.
inline QByteArray SampleEnhancedMetafile() {
  QImage bitmap(3, 2, QImage::Format_RGB32);
  bitmap.fill(Qt::cyan);
  TEmfWriter emf(64, 64);
  emf.SolidBrush(1, 0xFF).Pen(2, 1, 3, 0xFF00).Select(1).Select(2);
  emf.Rectangle(1, 1, 30, 30).Record(42, {5, 5, 40, 40}).Record(45, {0, 0, 60, 60, 60, 30, 0, 30});
  emf.Points16(86, {0, 0, 10, 0, 10, 10}).Points16(87, {0, 0, 5, 9, 9, 3});
  emf.Record(59, {}).Record(27, {1, 1}).Record(54, {50, 50}).Record(60, {}).Record(64, {0, 0, 0, 0});
  emf.Record(33, {}).Transform(0.5f, 0.2f, -0.2f, 0.5f, 3, 4).Record(30, {0, 0, 40, 40});
  emf.Font(3, -12, QStringLiteral("DejaVu Sans"), 450).Select(3).Text(4, 30, QStringLiteral("Ab"));
  emf.Record(34, {-1}).StretchBitmap(10, 10, 20, 20, bitmap);
  return emf.Finish();
}

inline QByteArray SampleWindowsMetafile() {
  QImage bitmap(3, 2, QImage::Format_RGB32);
  bitmap.fill(Qt::magenta);
  TWmfWriter wmf(64, 64);
  wmf.SolidBrush(0xFF).Pen(2, 20, 0xFF00).Select(0).Select(1);
  wmf.Rectangle(0, 0, 300, 300).Record(0x0817, {300, 0, 300, 600, 600, 600, 0, 0});
  wmf.Points(0x0325, {0, 0, 100, 600, 600, 0}).Record(0x001E, {});
  wmf.Record(0x0416, {400, 400, 0, 0}).Font(-100, "DejaVu Sans").Select(2).Text(40, 300, "Ab");
  wmf.Record(0x0127, {-1}).StretchBitmap(100, 100, 200, 200, bitmap);
  return wmf.Finish();
}

}  // namespace tolvex::test

// The drawing objects a metafile creates and selects: pens, brushes, fonts.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <variant>

namespace tolvex {

// Pen styles and flags of the recording system.
enum : int {
  kPenSolid = 0,
  kPenDash = 1,
  kPenDot = 2,
  kPenDashDot = 3,
  kPenDashDotDot = 4,
  kPenNull = 5,
  kPenInsideFrame = 6,
  kPenStyleMask = 0xF,
  kPenEndCapMask = 0xF00,
  kPenEndSquare = 0x100,
  kPenEndFlat = 0x200,
  kPenJoinMask = 0xF000,
  kPenJoinBevel = 0x1000,
  kPenJoinMiter = 0x2000,
};

struct TGdiPen {
  int style = kPenSolid;
  double width = 0;  // logical units; 0 draws one pixel wide
  QColor color = Qt::black;
};

// Brush styles of the recording system.
enum : int { kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2, kBrushPattern = 3 };

struct TGdiBrush {
  int style = kBrushSolid;
  QColor color = Qt::white;
  int hatch = 0;
  QImage pattern = QImage();  // for kBrushPattern
};

struct TGdiFont {
  double height = 0;  // logical units; < 0 character height, > 0 cell height
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  QString face;
};

// A slot of the object table; palettes and regions only take a place.
using TGdiObject = std::variant<std::monostate, TGdiPen, TGdiBrush, TGdiFont>;

// The colour of a COLORREF value (0x00bbggrr).
inline QColor ColorFromRef(quint32 ref) {
  return QColor(int(ref & 0xFF), int(ref >> 8 & 0xFF), int(ref >> 16 & 0xFF));
}

}  // namespace tolvex

// Drawing a Windows metafile (.wmf), with or without its placeable header.
#include "snapins/pic/metafile/windows_metafile.h"

#include <QPainter>
#include <algorithm>
#include <optional>

#include "snapins/pic/metafile/byte_reader.h"
#include "snapins/pic/metafile/device_bitmap.h"
#include "snapins/pic/metafile/gdi_player.h"

namespace tolvex {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kHeaderSize = 18;
constexpr double kUnplacedMaxSide = 1024;

// Record functions.
enum : quint16 {
  kEof = 0x0000,
  kSaveDC = 0x001E,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetPolyFillMode = 0x0106,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kRestoreDC = 0x0127,
  kDibCreatePatternBrush = 0x0142,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePen = 0x02FA,
  kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kExcludeClipRect = 0x0415,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kSetPixel = 0x041F,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kDibStretchBlt = 0x0B41,
  kSetDibToDev = 0x0D33,
  kStretchDib = 0x0F43,
};

// A point stored as y, then x.
QPointF ReadYX(TByteReader& r) {
  const double y = r.I16();
  return QPointF(r.I16(), y);
}

// A point stored as x, then y.
QPointF ReadXY(TByteReader& r) {
  const double x = r.I16();
  return QPointF(x, r.I16());
}

// A rectangle stored as bottom, right, top, left.
QRectF ReadBox(TByteReader& r) {
  const QPointF bottomRight = ReadYX(r);
  return QRectF(ReadYX(r), bottomRight);
}

QPolygonF ReadPoints(TByteReader& r, quint16 count) {
  QPolygonF points;
  if (!r.Has(qint64(count) * 4)) {
    r.Skip(r.Remaining() + 1);
    return points;
  }
  points.reserve(count);
  for (quint16 i = 0; i < count; ++i) points.append(ReadXY(r));
  return points;
}

class TRecordPlayer {
 public:
  explicit TRecordPlayer(TGdiPlayer& player) : player_(player) {}

  // `params` are the record's words after its size and function.
  void Play(quint16 function, QByteArrayView params, bool noBitmap) {
    TByteReader r(params);
    switch (function) {
      case kPolygon:
      case kPolyline: {
        const QPolygonF points = ReadPoints(r, r.U16());
        if (!r.Ok()) return;
        return function == kPolygon ? player_.Polygon(points) : player_.Polyline(points);
      }
      case kPolyPolygon:
        return PolyPolygon(r);
      case kRectangle:
      case kEllipse:
      case kRoundRect:
      case kArc:
      case kChord:
      case kPie:
        return Shape(function, r);
      case kTextOut:
      case kExtTextOut:
        return Text(function, r);
      case kDibBitBlt:
      case kDibStretchBlt:
      case kSetDibToDev:
      case kStretchDib:
      case kPatBlt:
        return Bitmap(function, r, params, noBitmap);
      case kCreatePen:
      case kCreateBrush:
      case kCreateFont:
      case kDibCreatePatternBrush:
      case kCreatePatternBrush:
      case kCreatePalette:
      case kCreateRegion:
        return Create(function, r, params);
      default:
        return State(function, r);
    }
  }

 private:
  void PolyPolygon(TByteReader& r) {
    const quint16 count = r.U16();
    if (!r.Has(qint64(count) * 2)) return;
    QList<quint16> counts;
    for (quint16 i = 0; i < count; ++i) counts.append(r.U16());
    QList<QPolygonF> polygons;
    for (quint16 points : counts) polygons.append(ReadPoints(r, points));
    if (r.Ok()) player_.PolyPolygon(polygons);
  }

  void Shape(quint16 function, TByteReader& r) {
    if (function == kRoundRect) {
      const QPointF corner = ReadYX(r);
      const QRectF box = ReadBox(r);
      if (r.Ok()) player_.RoundRect(box, QSizeF(corner.x(), corner.y()));
      return;
    }
    if (function == kRectangle || function == kEllipse) {
      const QRectF box = ReadBox(r);
      if (!r.Ok()) return;
      return function == kRectangle ? player_.Rectangle(box) : player_.Ellipse(box);
    }
    const QPointF end = ReadYX(r);
    const QPointF start = ReadYX(r);
    const QRectF box = ReadBox(r);
    if (!r.Ok()) return;
    player_.Arc(box, start, end,
                function == kArc     ? TArcKind::Arc
                : function == kChord ? TArcKind::Chord
                                     : TArcKind::Pie);
  }

  void Text(quint16 function, TByteReader& r) {
    QPointF at;
    quint16 length = 0;
    quint32 options = 0;
    QRectF rect;
    if (function == kTextOut) {
      length = r.U16();
    } else {
      at = ReadYX(r);
      length = r.U16();
      options = r.U16();
      if (options & (kTextOpaque | kTextClipped)) {
        const QPointF topLeft = ReadXY(r);
        rect = QRectF(topLeft, ReadXY(r));
      }
    }
    const QByteArrayView chars = r.Bytes(length);
    r.Skip(length % 2);
    if (function == kTextOut) at = ReadYX(r);
    if (!r.Ok()) return;
    QList<double> advances;
    if (function == kExtTextOut && r.Has(qint64(length) * 2)) {
      for (quint16 i = 0; i < length; ++i) advances.append(r.I16());
    }
    player_.Text(at, QString::fromLatin1(chars), advances, options, rect);
  }

  void Bitmap(quint16 function, TByteReader& r, QByteArrayView params, bool noBitmap) {
    const quint32 rop = function == kSetDibToDev ? 0x00CC0020 : r.U32();
    QRectF source;
    QRectF target;
    if (function == kPatBlt) {
      const QPointF size = ReadYX(r);
      target = QRectF(ReadYX(r), QSizeF(size.x(), size.y()));
      if (r.Ok()) player_.PatternBlit(target, rop);
      return;
    }
    if (function == kSetDibToDev) r.Skip(6);  // colour usage, scan count, first scan
    if (function == kStretchDib) r.Skip(2);   // colour usage
    if (function == kDibBitBlt) {
      const QPointF from = ReadYX(r);
      if (noBitmap) r.Skip(2);
      const QPointF size = ReadYX(r);
      target = QRectF(ReadYX(r), QSizeF(size.x(), size.y()));
      source = QRectF(from, target.size());
    } else {
      const QPointF sourceSize = ReadYX(r);
      const QPointF from = ReadYX(r);
      source = QRectF(from, QSizeF(sourceSize.x(), sourceSize.y()));
      if (noBitmap) r.Skip(2);
      if (function == kSetDibToDev) {
        target = QRectF(ReadYX(r), source.size());
      } else {
        const QPointF size = ReadYX(r);
        target = QRectF(ReadYX(r), QSizeF(size.x(), size.y()));
      }
    }
    if (!r.Ok()) return;
    if (noBitmap) return player_.PatternBlit(target, rop);
    const QByteArrayView packed = params.sliced(r.Offset());
    const QImage image = DecodePackedDeviceBitmap(packed);
    player_.Blit(target, image, PictureRect(packed, image, source), rop);
  }

  void Create(quint16 function, TByteReader& r, QByteArrayView params) {
    TGdiObject object;
    if (function == kCreatePen) {
      const int style = r.U16();
      const double width = r.I16();
      r.Skip(2);
      object = TGdiPen{style, width, ColorFromRef(r.U32())};
    } else if (function == kCreateBrush) {
      const int style = r.U16();
      const QColor color = ColorFromRef(r.U32());
      object = TGdiBrush{style, color, r.U16()};
    } else if (function == kDibCreatePatternBrush) {
      r.Skip(4);
      object = TGdiBrush{kBrushPattern, Qt::black, 0,
                         DecodePackedDeviceBitmap(params.sliced(std::min<qsizetype>(4, params.size())))};
    } else if (function == kCreateFont) {
      object = ReadFont(r);
    }
    // A damaged record still takes its place in the table, as the
    // records after it count on.
    player_.AddObject(r.Ok() ? std::move(object) : TGdiObject{});
  }

  static TGdiFont ReadFont(TByteReader& r) {
    TGdiFont font;
    font.height = r.I16();
    r.Skip(2);
    font.escapement = r.I16();
    r.Skip(2);
    font.weight = r.I16();
    font.italic = r.U8() != 0;
    font.underline = r.U8() != 0;
    font.strikeOut = r.U8() != 0;
    r.Skip(5);
    const QByteArrayView face = r.Bytes(std::min<qsizetype>(32, r.Remaining()));
    const qsizetype end = face.indexOf('\0');
    font.face = QString::fromLatin1(end < 0 ? face : face.first(end));
    return font;
  }

  void State(quint16 function, TByteReader& r) {
    switch (function) {
      case kSetWindowOrg:
      case kSetWindowExt:
      case kSetViewportOrg:
      case kSetViewportExt:
      case kOffsetWindowOrg:
      case kOffsetViewportOrg:
      case kMoveTo:
      case kLineTo:
        return Point(function, r);
      case kScaleWindowExt:
      case kScaleViewportExt: {
        const double yDenom = r.I16();
        const double yNum = r.I16();
        const double xDenom = r.I16();
        const double xNum = r.I16();
        if (!r.Ok()) return;
        return function == kScaleWindowExt ? player_.ScaleWindowExt(xNum, xDenom, yNum, yDenom)
                                           : player_.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      }
      case kExcludeClipRect:
      case kIntersectClipRect: {
        const QRectF box = ReadBox(r);
        if (!r.Ok()) return;
        return function == kExcludeClipRect ? player_.ExcludeClipRect(box)
                                            : player_.IntersectClipRect(box);
      }
      case kSetPixel: {
        const QColor color = ColorFromRef(r.U32());
        const QPointF at = ReadYX(r);
        if (r.Ok()) player_.SetPixel(at, color);
        return;
      }
      case kSetBkColor:
      case kSetTextColor: {
        const QColor color = ColorFromRef(r.U32());
        if (!r.Ok()) return;
        return function == kSetBkColor ? player_.SetBkColor(color) : player_.SetTextColor(color);
      }
      default:
        return Simple(function, r);
    }
  }

  void Point(quint16 function, TByteReader& r) {
    const QPointF point = ReadYX(r);
    if (!r.Ok()) return;
    const QSizeF extent(point.x(), point.y());
    switch (function) {
      case kSetWindowOrg:
        return player_.SetWindowOrg(point);
      case kSetWindowExt:
        return player_.SetWindowExt(extent);
      case kSetViewportOrg:
        return player_.SetViewportOrg(point);
      case kSetViewportExt:
        return player_.SetViewportExt(extent);
      case kOffsetWindowOrg:
        return player_.OffsetWindowOrg(point);
      case kOffsetViewportOrg:
        return player_.OffsetViewportOrg(point);
      case kMoveTo:
        return player_.MoveTo(point);
      default:
        return player_.LineTo(point);
    }
  }

  // Records of at most one word.
  void Simple(quint16 function, TByteReader& r) {
    const quint16 value = r.U16();
    const bool ok = r.Ok();
    switch (function) {
      case kSaveDC:
        return player_.SaveDC();
      case kSetBkMode:
        if (ok) player_.SetBkMode(value);
        return;
      case kSetMapMode:
        if (ok) player_.SetMapMode(value);
        return;
      case kSetPolyFillMode:
        if (ok) player_.SetPolyFillMode(value);
        return;
      case kSetTextAlign:
        if (ok) player_.SetTextAlign(value);
        return;
      case kRestoreDC:
        if (ok) player_.RestoreDC(qint16(value));
        return;
      case kSelectObject:
        if (ok) player_.SelectObject(value);
        return;
      case kDeleteObject:
        if (ok) player_.DeleteObject(value);
        return;
      default:
        return;
    }
  }

  TGdiPlayer& player_;
};

struct TRecord {
  quint16 function;
  QByteArrayView params;
  bool noBitmap;  // the bitmap copies without a bitmap fill with the brush
};

// Calls `visit` with each record after the header at `first`, up to the
// end record or the first record that does not fit.
template <typename Visit>
void ForEachRecord(QByteArrayView bytes, qsizetype first, Visit visit) {
  for (qsizetype at = first; at + 6 <= bytes.size();) {
    TByteReader r(bytes, at);
    const quint32 words = r.U32();
    const quint16 function = r.U16();
    if (words < 3 || qint64(words) * 2 > bytes.size() - at || function == kEof) return;
    visit(TRecord{function, bytes.sliced(at + 6, qsizetype(words) * 2 - 6),
                  words == quint32(function >> 8) + 3});
    at += qsizetype(words) * 2;
  }
}

// The window a metafile without placeable header sets up for itself.
std::optional<QRectF> OwnWindow(QByteArrayView bytes, qsizetype first) {
  QPointF origin;
  std::optional<QSizeF> extent;
  ForEachRecord(bytes, first, [&](const TRecord& record) {
    TByteReader r(record.params);
    const QPointF point = ReadYX(r);
    if (!r.Ok()) return;
    if (record.function == kSetWindowOrg && !extent) origin = point;
    if (record.function == kSetWindowExt && !extent) extent = QSizeF(point.x(), point.y());
  });
  if (!extent) return std::nullopt;
  return QRectF(origin, *extent);
}

}  // namespace

QImage RenderWindowsMetafile(QByteArrayView bytes, int maxSide) {
  TByteReader placeable(bytes);
  std::optional<QRectF> box;
  QSizeF natural;
  qsizetype start = 0;
  if (placeable.U32() == kPlaceableKey) {
    placeable.Skip(2);
    const QPointF topLeft = ReadXY(placeable);
    box = QRectF(topLeft, ReadXY(placeable));
    const double inch = placeable.U16();
    if (!placeable.Ok()) return {};
    const double perInch = inch > 0 ? inch : 1440;
    natural = QSizeF(std::abs(box->width()), std::abs(box->height())) * (96 / perInch);
    start = kPlaceableSize;
  }
  TByteReader header(bytes, start);
  const quint16 type = header.U16();
  const quint16 headerWords = header.U16();
  header.Skip(6);  // version, size
  const quint16 objects = header.U16();
  if (!header.Ok() || (type != 1 && type != 2) || headerWords != kHeaderSize / 2) return {};
  const qsizetype first = start + kHeaderSize;
  if (!box) {
    box = OwnWindow(bytes, first);
    if (!box) return {};
    natural = QSizeF(std::abs(box->width()), std::abs(box->height()));
    const double longest = std::max(natural.width(), natural.height());
    if (longest > kUnplacedMaxSide) natural *= kUnplacedMaxSide / longest;
  }
  const QSize size = FitMetafileSize(natural, maxSide);
  if (size.isEmpty()) return {};

  QImage image = MetafileCanvas(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  TGdiPlayer player(painter, QTransform(), QSizeF(96 / 25.4, 96 / 25.4));
  player.SetObjectSlots(objects);
  player.SetMapMode(kMapAnisotropic);
  player.SetWindowOrg(box->topLeft());
  player.SetWindowExt(box->size());
  player.SetViewportExt(QSizeF(size));
  TRecordPlayer records(player);
  ForEachRecord(bytes, first, [&](const TRecord& record) {
    records.Play(record.function, record.params, record.noBitmap);
  });
  return image;
}

}  // namespace tolvex

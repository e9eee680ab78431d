// Drawing an enhanced metafile (.emf).
#include "snapins/pic/metafile/enhanced_metafile.h"

#include <QPainter>

#include "snapins/pic/metafile/byte_reader.h"
#include "snapins/pic/metafile/device_bitmap.h"
#include "snapins/pic/metafile/gdi_player.h"

namespace tolvex {

namespace {

constexpr quint32 kSignature = 0x464D4520;
constexpr quint32 kHeaderSize = 88;
constexpr quint32 kStockObject = 0x80000000;
constexpr quint32 kTextDeltaPairs = 0x2000;

// Record types.
enum : quint32 {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExt = 9,
  kSetWindowOrg = 10,
  kSetViewportExt = 11,
  kSetViewportOrg = 12,
  kEof = 14,
  kSetPixel = 15,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveTo = 27,
  kExcludeClipRect = 29,
  kIntersectClipRect = 30,
  kScaleViewportExt = 31,
  kScaleWindowExt = 32,
  kSaveDC = 33,
  kRestoreDC = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrush = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kCreatePalette = 49,
  kLineTo = 54,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kBitBlt = 76,
  kStretchBlt = 77,
  kSetDIBitsToDevice = 80,
  kStretchDIBits = 81,
  kCreateFont = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrush = 94,
  kExtCreatePen = 95,
};

QPointF ReadPoint(TByteReader& r, bool small) {
  if (small) {
    const double x = r.I16();
    return QPointF(x, r.I16());
  }
  const double x = r.I32();
  return QPointF(x, r.I32());
}

QSizeF ReadSize(TByteReader& r) {
  const double cx = r.I32();
  return QSizeF(cx, r.I32());
}

// A rectangle of left, top, right and bottom.
QRectF ReadRect(TByteReader& r) {
  const double left = r.I32();
  const double top = r.I32();
  const double right = r.I32();
  const double bottom = r.I32();
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QTransform ReadTransform(TByteReader& r) {
  float m[6];
  for (float& value : m) value = r.F32();
  return QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

QPolygonF ReadPoints(TByteReader& r, quint32 count, bool small) {
  QPolygonF points;
  if (!r.Has(qint64(count) * (small ? 4 : 8))) {
    r.Skip(r.Remaining() + 1);
    return points;
  }
  points.reserve(count);
  for (quint32 i = 0; i < count; ++i) points.append(ReadPoint(r, small));
  return points;
}

// A slice of `record` given by offset and size; empty when out of bounds.
QByteArrayView Slice(QByteArrayView record, quint32 offset, quint32 size) {
  if (qint64(offset) + size > record.size()) return {};
  return record.sliced(offset, size);
}

class TRecordPlayer {
 public:
  explicit TRecordPlayer(TGdiPlayer& player) : player_(player) {}

  void Play(quint32 type, QByteArrayView record) {
    TByteReader r(record, 8);
    switch (type) {
      case kPolyBezier:
      case kPolygon:
      case kPolyline:
      case kPolyBezierTo:
      case kPolylineTo:
        return Poly(type, r, false);
      case kPolyBezier16:
      case kPolygon16:
      case kPolyline16:
      case kPolyBezierTo16:
      case kPolylineTo16:
        return Poly(type - (kPolyBezier16 - kPolyBezier), r, true);
      case kPolyPolyline:
      case kPolyPolygon:
        return PolyPoly(type == kPolyPolygon, r, false);
      case kPolyPolyline16:
      case kPolyPolygon16:
        return PolyPoly(type == kPolyPolygon16, r, true);
      case kEllipse:
      case kRectangle:
      case kRoundRect:
      case kArc:
      case kChord:
      case kPie:
        return Shape(type, r);
      case kExtTextOutA:
      case kExtTextOutW:
        return Text(type == kExtTextOutW, record);
      case kBitBlt:
      case kStretchBlt:
      case kSetDIBitsToDevice:
      case kStretchDIBits:
        return Bitmap(type, record);
      case kCreatePen:
      case kExtCreatePen:
      case kCreateBrush:
      case kCreateMonoBrush:
      case kCreateDibPatternBrush:
      case kCreateFont:
      case kCreatePalette:
        return Create(type, r, record);
      default:
        return State(type, r);
    }
  }

 private:
  void Poly(quint32 type, TByteReader& r, bool small) {
    r.Skip(16);
    const QPolygonF points = ReadPoints(r, r.U32(), small);
    if (!r.Ok()) return;
    switch (type) {
      case kPolyBezier:
        return player_.PolyBezier(points);
      case kPolygon:
        return player_.Polygon(points);
      case kPolyline:
        return player_.Polyline(points);
      case kPolyBezierTo:
        return player_.PolyBezierTo(points);
      default:
        return player_.PolylineTo(points);
    }
  }

  void PolyPoly(bool polygons, TByteReader& r, bool small) {
    r.Skip(16);
    const quint32 count = r.U32();
    const quint32 total = r.U32();
    if (!r.Has(qint64(count) * 4)) return;
    QList<quint32> counts;
    qint64 sum = 0;
    for (quint32 i = 0; i < count; ++i) {
      counts.append(r.U32());
      sum += counts.last();
    }
    if (sum != total) return;
    const QPolygonF points = ReadPoints(r, total, small);
    if (!r.Ok()) return;
    QList<QPolygonF> parts;
    qsizetype at = 0;
    for (quint32 part : counts) {
      parts.append(points.mid(at, part));
      at += part;
    }
    if (polygons) {
      player_.PolyPolygon(parts);
    } else {
      player_.PolyPolyline(parts);
    }
  }

  void Shape(quint32 type, TByteReader& r) {
    const QRectF box = ReadRect(r);
    if (type == kRoundRect) {
      const QSizeF corner = ReadSize(r);
      if (r.Ok()) player_.RoundRect(box, corner);
      return;
    }
    if (type == kEllipse || type == kRectangle) {
      if (!r.Ok()) return;
      return type == kEllipse ? player_.Ellipse(box) : player_.Rectangle(box);
    }
    const QPointF start = ReadPoint(r, false);
    const QPointF end = ReadPoint(r, false);
    if (!r.Ok()) return;
    player_.Arc(box, start, end,
                type == kArc ? TArcKind::Arc : type == kChord ? TArcKind::Chord : TArcKind::Pie);
  }

  void Text(bool wide, QByteArrayView record) {
    TByteReader r(record, 36);
    const QPointF reference = ReadPoint(r, false);
    const quint32 count = r.U32();
    const quint32 offString = r.U32();
    const quint32 options = r.U32();
    const QRectF rect = ReadRect(r);
    const quint32 offDx = r.U32();
    if (!r.Ok()) return;
    if (qint64(offString) > record.size()) return;
    TByteReader chars(record, offString);
    const QString text = wide ? chars.Utf16(count) : QString::fromLatin1(chars.Bytes(count));
    if (!chars.Ok()) return;
    QList<double> advances;
    const int step = options & kTextDeltaPairs ? 8 : 4;
    if (offDx != 0 && qint64(offDx) + qint64(count) * step <= record.size()) {
      TByteReader dx(record, offDx);
      for (quint32 i = 0; i < count; ++i) {
        advances.append(dx.I32());
        dx.Skip(step - 4);
      }
    }
    player_.Text(reference, text, advances, options, rect);
  }

  void Bitmap(quint32 type, QByteArrayView record) {
    TByteReader r(record, 24);
    QRectF target;
    QRectF source;
    quint32 rop = 0x00CC0020;
    quint32 usage = 0;
    quint32 offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
    if (type == kBitBlt || type == kStretchBlt) {
      const QPointF at = ReadPoint(r, false);
      target = QRectF(at, ReadSize(r));
      rop = r.U32();
      const QPointF from = ReadPoint(r, false);
      r.Skip(28);
      usage = r.U32();
      offBmi = r.U32();
      cbBmi = r.U32();
      offBits = r.U32();
      cbBits = r.U32();
      source = QRectF(from, type == kStretchBlt ? ReadSize(r) : target.size());
    } else {
      const QPointF at = ReadPoint(r, false);
      const QPointF from = ReadPoint(r, false);
      source = QRectF(from, ReadSize(r));
      offBmi = r.U32();
      cbBmi = r.U32();
      offBits = r.U32();
      cbBits = r.U32();
      usage = r.U32();
      if (type == kStretchDIBits) {
        rop = r.U32();
        target = QRectF(at, ReadSize(r));
      } else {
        target = QRectF(at, source.size());
      }
    }
    if (!r.Ok()) return;
    if (cbBmi == 0) return player_.PatternBlit(target, rop);
    if (usage != 0) return;
    const QByteArrayView info = Slice(record, offBmi, cbBmi);
    const QImage image = DecodeDeviceBitmap(info, Slice(record, offBits, cbBits));
    player_.Blit(target, image, PictureRect(info, image, source), rop);
  }

  void Create(quint32 type, TByteReader& r, QByteArrayView record) {
    const quint32 index = r.U32();
    TGdiObject object;
    if (type == kCreatePen) {
      const int style = int(r.U32());
      const double width = r.I32();
      r.Skip(4);
      object = TGdiPen{style, width, ColorFromRef(r.U32())};
    } else if (type == kExtCreatePen) {
      r.Skip(16);
      const int style = int(r.U32());
      const double width = r.U32();
      const quint32 brushStyle = r.U32();
      object = TGdiPen{brushStyle == kBrushNull ? kPenNull : style, width, ColorFromRef(r.U32())};
    } else if (type == kCreateBrush) {
      const int style = int(r.U32());
      const QColor color = ColorFromRef(r.U32());
      object = TGdiBrush{style, color, int(r.U32())};
    } else if (type == kCreateMonoBrush || type == kCreateDibPatternBrush) {
      r.Skip(4);
      const quint32 offBmi = r.U32();
      const quint32 cbBmi = r.U32();
      const quint32 offBits = r.U32();
      const quint32 cbBits = r.U32();
      object = TGdiBrush{kBrushPattern, Qt::black, 0,
                         DecodeDeviceBitmap(Slice(record, offBmi, cbBmi),
                                            Slice(record, offBits, cbBits))};
    } else if (type == kCreateFont) {
      object = ReadFont(r);
    }
    if (r.Ok()) player_.SetObject(index, std::move(object));
  }

  static TGdiFont ReadFont(TByteReader& r) {
    TGdiFont font;
    font.height = r.I32();
    r.Skip(4);
    font.escapement = r.I32();
    r.Skip(4);
    font.weight = r.I32();
    font.italic = r.U8() != 0;
    font.underline = r.U8() != 0;
    font.strikeOut = r.U8() != 0;
    r.Skip(5);
    const QString face = r.Utf16(32);
    font.face = face.left(face.indexOf(QChar(0)));
    return font;
  }

  void State(quint32 type, TByteReader& r) {
    switch (type) {
      case kSetWindowExt:
      case kSetViewportExt: {
        const QSizeF extent = ReadSize(r);
        if (!r.Ok()) return;
        return type == kSetWindowExt ? player_.SetWindowExt(extent)
                                     : player_.SetViewportExt(extent);
      }
      case kSetWindowOrg:
      case kSetViewportOrg:
      case kMoveTo:
      case kLineTo: {
        const QPointF point = ReadPoint(r, false);
        if (!r.Ok()) return;
        if (type == kSetWindowOrg) return player_.SetWindowOrg(point);
        if (type == kSetViewportOrg) return player_.SetViewportOrg(point);
        return type == kMoveTo ? player_.MoveTo(point) : player_.LineTo(point);
      }
      case kSetPixel: {
        const QPointF point = ReadPoint(r, false);
        const QColor color = ColorFromRef(r.U32());
        if (r.Ok()) player_.SetPixel(point, color);
        return;
      }
      case kExcludeClipRect:
      case kIntersectClipRect: {
        const QRectF rect = ReadRect(r);
        if (!r.Ok()) return;
        return type == kExcludeClipRect ? player_.ExcludeClipRect(rect)
                                        : player_.IntersectClipRect(rect);
      }
      case kScaleViewportExt:
      case kScaleWindowExt: {
        const double xNum = r.I32();
        const double xDenom = r.I32();
        const double yNum = r.I32();
        const double yDenom = r.I32();
        if (!r.Ok()) return;
        return type == kScaleWindowExt ? player_.ScaleWindowExt(xNum, xDenom, yNum, yDenom)
                                       : player_.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      }
      case kSetWorldTransform:
      case kModifyWorldTransform: {
        const QTransform transform = ReadTransform(r);
        const int mode = type == kSetWorldTransform ? 4 : int(r.U32());
        if (r.Ok()) player_.ModifyWorldTransform(transform, mode);
        return;
      }
      default:
        return Simple(type, r);
    }
  }

  // Records of at most one value.
  void Simple(quint32 type, TByteReader& r) {
    const quint32 value = r.U32();
    const bool ok = r.Ok();
    switch (type) {
      case kSetMapMode:
        if (ok) player_.SetMapMode(int(value));
        return;
      case kSetBkMode:
        if (ok) player_.SetBkMode(int(value));
        return;
      case kSetPolyFillMode:
        if (ok) player_.SetPolyFillMode(int(value));
        return;
      case kSetTextAlign:
        if (ok) player_.SetTextAlign(value);
        return;
      case kSetTextColor:
        if (ok) player_.SetTextColor(ColorFromRef(value));
        return;
      case kSetBkColor:
        if (ok) player_.SetBkColor(ColorFromRef(value));
        return;
      case kRestoreDC:
        if (ok) player_.RestoreDC(int(value));
        return;
      case kSelectObject:
        if (!ok) return;
        return value & kStockObject ? player_.SelectStockObject(value & ~kStockObject)
                                    : player_.SelectObject(value);
      case kDeleteObject:
        if (ok) player_.DeleteObject(value);
        return;
      case kSaveDC:
        return player_.SaveDC();
      case kBeginPath:
        return player_.BeginPath();
      case kEndPath:
        return player_.EndPath();
      case kCloseFigure:
        return player_.CloseFigure();
      case kFillPath:
        return player_.FillPath();
      case kStrokeAndFillPath:
        return player_.StrokeAndFillPath();
      case kStrokePath:
        return player_.StrokePath();
      case kSelectClipPath:
        return player_.SelectClipPath();
      case kAbortPath:
        return player_.AbortPath();
      default:
        return;
    }
  }

  TGdiPlayer& player_;
};

}  // namespace

QImage RenderEnhancedMetafile(QByteArrayView bytes, int maxSide) {
  TByteReader header(bytes);
  if (header.U32() != kHeader) return {};
  const quint32 headerSize = header.U32();
  const QRectF bounds = ReadRect(header);
  const QRectF frame = ReadRect(header);
  if (header.U32() != kSignature) return {};
  header.Skip(12);
  const quint16 handles = header.U16();
  header.Skip(14);
  const QSizeF device = ReadSize(header);
  const QSizeF millimetres = ReadSize(header);
  if (!header.Ok() || headerSize < kHeaderSize || headerSize > bytes.size()) return {};

  const QSizeF perMillimetre =
      device.width() > 0 && device.height() > 0 && millimetres.width() > 0 &&
              millimetres.height() > 0
          ? QSizeF(device.width() / millimetres.width(), device.height() / millimetres.height())
          : QSizeF(96 / 25.4, 96 / 25.4);
  // The frame is kept in hundredths of a millimetre, the bounds in the
  // recording device's pixels (both edges included).
  QRectF picture(frame.left() / 100 * perMillimetre.width(),
                 frame.top() / 100 * perMillimetre.height(),
                 frame.width() / 100 * perMillimetre.width(),
                 frame.height() / 100 * perMillimetre.height());
  QSizeF natural = frame.size() * (96 / 2540.0);
  if (!(frame.width() > 0 && frame.height() > 0)) {
    picture = QRectF(bounds.topLeft(), bounds.size() + QSizeF(1, 1));
    natural = QSizeF(picture.width() * 96 / 25.4 / perMillimetre.width(),
                     picture.height() * 96 / 25.4 / perMillimetre.height());
  }
  const QSize size = FitMetafileSize(natural, maxSide);
  if (size.isEmpty() || picture.width() <= 0 || picture.height() <= 0) return {};

  QImage image = MetafileCanvas(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QTransform deviceToImage =
      QTransform::fromTranslate(-picture.left(), -picture.top()) *
      QTransform::fromScale(size.width() / picture.width(), size.height() / picture.height());
  TGdiPlayer player(painter, deviceToImage, perMillimetre);
  player.SetObjectSlots(handles);
  TRecordPlayer records(player);
  for (qsizetype at = headerSize; at + 8 <= bytes.size();) {
    TByteReader next(bytes, at);
    const quint32 type = next.U32();
    const quint32 size = next.U32();
    if (size < 8 || size % 4 != 0 || size > bytes.size() - at || type == kEof) break;
    records.Play(type, bytes.sliced(at, size));
    at += size;
  }
  return image;
}

}  // namespace tolvex

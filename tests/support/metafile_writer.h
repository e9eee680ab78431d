// Writes small enhanced and Windows metafiles record by record, for the
// tests and the fuzz corpus of the metafile drawing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <bit>
#include <initializer_list>

namespace tolvex::test {

// Little-endian values appended to a byte array.
class TBytes {
 public:
  TBytes& U8(quint8 v) { return Put(v, 1); }
  TBytes& U16(quint16 v) { return Put(v, 2); }
  TBytes& U32(quint32 v) { return Put(v, 4); }
  TBytes& I16(qint16 v) { return Put(quint16(v), 2); }
  TBytes& I32(qint32 v) { return Put(quint32(v), 4); }
  TBytes& Raw(const QByteArray& raw) {
    bytes_ += raw;
    return *this;
  }
  TBytes& Utf16(const QString& text) {
    for (QChar c : text) U16(c.unicode());
    return *this;
  }
  const QByteArray& Data() const { return bytes_; }

 private:
  TBytes& Put(quint64 v, int size) {
    for (int i = 0; i < size; ++i) bytes_.append(char(v >> (8 * i) & 0xFF));
    return *this;
  }
  QByteArray bytes_;
};

// A packed 24-bit bottom-up device-independent bitmap of `image`: its
// information header, then its rows.
inline QByteArray PackedBitmap(const QImage& image, QByteArray* header = nullptr) {
  const int stride = (image.width() * 3 + 3) / 4 * 4;
  TBytes info;
  info.U32(40).I32(image.width()).I32(image.height()).U16(1).U16(24).U32(0);
  info.U32(quint32(stride * image.height())).I32(0).I32(0).U32(0).U32(0);
  QByteArray rows;
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      row[3 * x] = char(qBlue(pixel));
      row[3 * x + 1] = char(qGreen(pixel));
      row[3 * x + 2] = char(qRed(pixel));
    }
    rows += row;
  }
  if (header != nullptr) *header = info.Data();
  return info.Data() + rows;
}

// An enhanced metafile on a 96 pixels-per-inch reference device whose
// frame covers `width`×`height` pixels; logical units are device pixels
// until a record maps them otherwise.
class TEmfWriter {
 public:
  TEmfWriter(int width, int height, quint16 handles = 16)
      : width_(width), height_(height), handles_(handles) {}

  // A record of 32-bit values.
  TEmfWriter& Record(quint32 type, std::initializer_list<qint32> values) {
    TBytes params;
    for (qint32 v : values) params.I32(v);
    return Record(type, params.Data());
  }
  // A record of raw parameter bytes (padded to whole 32-bit words).
  TEmfWriter& Record(quint32 type, QByteArray params) {
    while (params.size() % 4 != 0) params.append('\0');
    records_.U32(type).U32(quint32(8 + params.size())).Raw(params);
    ++count_;
    return *this;
  }

  TEmfWriter& Rectangle(int l, int t, int r, int b) { return Record(43, {l, t, r, b}); }
  TEmfWriter& SolidBrush(quint32 index, quint32 color) { return Record(39, {qint32(index), 0, qint32(color), 0}); }
  TEmfWriter& Pen(quint32 index, int style, int width, quint32 color) {
    return Record(38, {qint32(index), style, width, 0, qint32(color)});
  }
  TEmfWriter& Select(quint32 index) { return Record(37, {qint32(index)}); }
  TEmfWriter& NullPen() { return Select(0x80000008); }
  // A font of `height` (negative: character height) and `face`.
  TEmfWriter& Font(quint32 index, int height, const QString& face, int escapement = 0) {
    TBytes p;
    p.U32(index).I32(height).I32(0).I32(escapement).I32(escapement).I32(700);
    p.U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
    QString name = face.left(31);
    name.resize(32, QChar(0));
    p.Utf16(name);
    return Record(82, p.Data());
  }
  // Wide text at (x, y) with no advances.
  TEmfWriter& Text(int x, int y, const QString& text) {
    TBytes p;
    p.I32(0).I32(0).I32(-1).I32(-1).U32(1).U32(0).U32(0);  // bounds, mode, scales
    p.I32(x).I32(y).U32(quint32(text.size())).U32(76).U32(0);
    p.I32(0).I32(0).I32(-1).I32(-1).U32(0);  // rectangle, no advances
    p.Utf16(text);
    return Record(84, p.Data());
  }
  // The bitmap of `image` stretched onto the rectangle x, y, w, h.
  TEmfWriter& StretchBitmap(int x, int y, int w, int h, const QImage& image) {
    QByteArray info;
    const QByteArray packed = PackedBitmap(image, &info);
    TBytes p;
    p.I32(0).I32(0).I32(-1).I32(-1).I32(x).I32(y).I32(0).I32(0);
    p.I32(image.width()).I32(image.height());
    p.U32(80).U32(quint32(info.size())).U32(quint32(80 + info.size()));
    p.U32(quint32(packed.size() - info.size())).U32(0).U32(0x00CC0020).I32(w).I32(h);
    p.Raw(packed);
    return Record(81, p.Data());
  }
  // 16-bit points record (polygon 86, polyline 87, ...).
  TEmfWriter& Points16(quint32 type, std::initializer_list<qint16> xy) {
    TBytes p;
    p.I32(0).I32(0).I32(-1).I32(-1).U32(quint32(xy.size() / 2));
    for (qint16 v : xy) p.I16(v);
    return Record(type, p.Data());
  }
  TEmfWriter& Transform(float m11, float m12, float m21, float m22, float dx, float dy,
                        quint32 type = 35) {
    TBytes p;
    for (float v : {m11, m12, m21, m22, dx, dy}) p.U32(std::bit_cast<quint32>(v));
    if (type == 36) p.U32(4);
    return Record(type, p.Data());
  }

  QByteArray Finish() const {
    TBytes eof;
    eof.U32(14).U32(20).U32(0).U32(16).U32(20);
    const QByteArray records = records_.Data() + eof.Data();
    const int frameRight = qRound(width_ * 2540.0 / 96);
    const int frameBottom = qRound(height_ * 2540.0 / 96);
    TBytes header;
    header.U32(1).U32(88).I32(0).I32(0).I32(width_ - 1).I32(height_ - 1);
    header.I32(0).I32(0).I32(frameRight).I32(frameBottom);
    header.U32(0x464D4520).U32(0x10000).U32(quint32(88 + records.size()));
    header.U32(count_ + 2).U16(handles_).U16(0).U32(0).U32(0).U32(0);
    header.I32(960).I32(960).I32(254).I32(254);
    return header.Data() + records;
  }

 private:
  int width_;
  int height_;
  quint16 handles_;
  quint32 count_ = 0;
  TBytes records_;
};

// A Windows metafile, placeable (bounding box 0, 0, `width`×10,
// `height`×10 at 960 units an inch, so `width`×`height` pixels) or, with
// `placeable` false, with the plain header only.
class TWmfWriter {
 public:
  TWmfWriter(int width, int height, bool placeable = true, quint16 objects = 8)
      : width_(width), height_(height), placeable_(placeable), objects_(objects) {}

  // A record of 16-bit words, in the order the file keeps them.
  TWmfWriter& Record(quint16 function, std::initializer_list<qint16> words) {
    TBytes params;
    for (qint16 v : words) params.I16(v);
    return Record(function, params.Data());
  }
  TWmfWriter& Record(quint16 function, QByteArray params) {
    if (params.size() % 2 != 0) params.append('\0');
    records_.U32(quint32(3 + params.size() / 2)).U16(function).Raw(params);
    return *this;
  }

  TWmfWriter& Rectangle(qint16 l, qint16 t, qint16 r, qint16 b) {
    return Record(0x041B, {b, r, t, l});
  }
  TWmfWriter& SolidBrush(quint32 color) {
    TBytes p;
    p.U16(0).U32(color).U16(0);
    return Record(0x02FC, p.Data());
  }
  TWmfWriter& Pen(quint16 style, qint16 width, quint32 color) {
    TBytes p;
    p.U16(style).I16(width).I16(0).U32(color);
    return Record(0x02FA, p.Data());
  }
  TWmfWriter& Select(qint16 index) { return Record(0x012D, {index}); }
  TWmfWriter& Delete(qint16 index) { return Record(0x01F0, {index}); }
  TWmfWriter& Font(qint16 height, const QByteArray& face) {
    TBytes p;
    p.I16(height).I16(0).I16(0).I16(0).I16(700);
    p.U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
    p.Raw(face + QByteArray(1, '\0'));
    return Record(0x02FB, p.Data());
  }
  TWmfWriter& Text(qint16 x, qint16 y, const QByteArray& text) {
    TBytes p;
    p.I16(qint16(text.size())).Raw(text);
    if (text.size() % 2 != 0) p.U8(0);
    p.I16(y).I16(x);
    return Record(0x0521, p.Data());
  }
  TWmfWriter& StretchBitmap(qint16 x, qint16 y, qint16 w, qint16 h, const QImage& image) {
    TBytes p;
    p.U32(0x00CC0020).U16(0).I16(qint16(image.height())).I16(qint16(image.width()));
    p.I16(0).I16(0).I16(h).I16(w).I16(y).I16(x).Raw(PackedBitmap(image));
    return Record(0x0F43, p.Data());
  }
  TWmfWriter& Points(quint16 function, std::initializer_list<qint16> xy) {
    TBytes p;
    p.I16(qint16(xy.size() / 2));
    for (qint16 v : xy) p.I16(v);
    return Record(function, p.Data());
  }

  QByteArray Finish() const {
    const QByteArray records = records_.Data() + QByteArray("\x03\0\0\0\0\0", 6);
    TBytes file;
    if (placeable_) {
      TBytes box;
      box.U32(0x9AC6CDD7).U16(0).I16(0).I16(0).I16(qint16(width_ * 10)).I16(qint16(height_ * 10));
      box.U16(960).U32(0);
      quint16 checksum = 0;
      for (int i = 0; i + 1 < box.Data().size(); i += 2) {
        checksum ^= qFromLittleEndian<quint16>(box.Data().constData() + i);
      }
      file.Raw(box.Data()).U16(checksum);
    }
    file.U16(1).U16(9).U16(0x300).U32(quint32((18 + records.size()) / 2)).U16(objects_);
    file.U32(0).U16(0).Raw(records);
    return file.Data();
  }

 private:
  int width_;
  int height_;
  bool placeable_;
  quint16 objects_;
  TBytes records_;
};

}  // namespace tolvex::test

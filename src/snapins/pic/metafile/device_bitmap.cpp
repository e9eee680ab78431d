// The device-independent bitmaps that metafiles carry.
#include "snapins/pic/metafile/device_bitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>
#include <optional>

#include "snapins/pic/metafile/byte_reader.h"

namespace tolvex {

namespace {

constexpr qint64 kMaxPixels = 4096LL * 4096;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kCompressionJpeg = 4;
constexpr quint32 kCompressionPng = 5;

struct THeader {
  quint32 size = 0;
  qint64 width = 0;
  qint64 height = 0;
  quint16 bitCount = 0;
  quint32 compression = 0;
  quint32 colorsUsed = 0;
};

std::optional<THeader> ReadHeader(QByteArrayView info) {
  TByteReader reader(info);
  THeader header;
  header.size = reader.U32();
  if (header.size == kCoreHeaderSize) {
    header.width = reader.U16();
    header.height = reader.U16();
    reader.U16();
    header.bitCount = reader.U16();
  } else if (header.size >= kInfoHeaderSize) {
    header.width = reader.I32();
    header.height = reader.I32();
    reader.U16();
    header.bitCount = reader.U16();
    header.compression = reader.U32();
    reader.Skip(12);
    header.colorsUsed = reader.U32();
  } else {
    return std::nullopt;
  }
  if (!reader.Ok() || header.size > quint32(info.size())) return std::nullopt;
  if (header.width <= 0 || header.height == 0) return std::nullopt;
  if (header.width * std::abs(header.height) > kMaxPixels) return std::nullopt;
  return header;
}

QImage ReadWithFormat(QByteArrayView bytes, const char* format) {
  QByteArray copy = bytes.toByteArray();
  QBuffer buffer(&copy);
  QImageReader reader(&buffer, format);
  const QSize size = reader.size();
  if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels) return {};
  return reader.read();
}

}  // namespace

QImage DecodeDeviceBitmap(QByteArrayView info, QByteArrayView bits) {
  const std::optional<THeader> header = ReadHeader(info);
  if (!header) return {};
  if (header->compression == kCompressionJpeg) return ReadWithFormat(bits, "jpeg");
  if (header->compression == kCompressionPng) return ReadWithFormat(bits, "png");
  // The bitmap file the image reader knows: its file header, then the
  // bitmap as the metafile holds it.
  constexpr qsizetype kFileHeaderSize = 14;
  QByteArray file(kFileHeaderSize, '\0');
  file[0] = 'B';
  file[1] = 'M';
  qToLittleEndian<quint32>(quint32(kFileHeaderSize + info.size() + bits.size()), file.data() + 2);
  qToLittleEndian<quint32>(quint32(kFileHeaderSize + info.size()), file.data() + 10);
  file.append(info.data(), info.size());
  file.append(bits.data(), bits.size());
  return ReadWithFormat(file, "bmp");
}

QRectF PictureRect(QByteArrayView info, const QImage& picture, const QRectF& rect) {
  const std::optional<THeader> header = ReadHeader(info);
  if (!header || header->height < 0) return rect;
  return QRectF(rect.x(), picture.height() - rect.y() - rect.height(), rect.width(),
                rect.height());
}

QImage DecodePackedDeviceBitmap(QByteArrayView packed) {
  const std::optional<THeader> header = ReadHeader(packed);
  if (!header) return {};
  qint64 colors = header->colorsUsed;
  if (colors == 0 && header->bitCount <= 8) colors = qint64(1) << header->bitCount;
  const qint64 entrySize = header->size == kCoreHeaderSize ? 3 : 4;
  qint64 infoSize = header->size + colors * entrySize;
  // Bit-field masks follow a plain information header.
  if (header->size == kInfoHeaderSize && header->compression == 3) infoSize += 12;
  if (infoSize > packed.size()) return {};
  return DecodeDeviceBitmap(packed.first(infoSize), packed.sliced(infoSize));
}

}  // namespace tolvex

// Bounds-checked reading of little-endian values from a metafile's bytes.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <bit>
#include <cstdint>

namespace tolvex {

// Reads little-endian values from `bytes` starting at an offset. A read
// past the end yields 0 and marks the reader as failed; it never touches
// memory outside `bytes`.
class TByteReader {
 public:
  explicit TByteReader(QByteArrayView bytes, qsizetype offset = 0)
      : bytes_(bytes), at_(offset) {}

  bool Ok() const { return ok_; }
  qsizetype Offset() const { return at_; }
  qsizetype Remaining() const { return at_ <= bytes_.size() ? bytes_.size() - at_ : 0; }
  bool Has(qsizetype count) const { return count >= 0 && count <= Remaining(); }

  std::uint8_t U8() { return std::uint8_t(Read(1)); }
  std::uint16_t U16() { return std::uint16_t(Read(2)); }
  std::uint32_t U32() { return std::uint32_t(Read(4)); }
  std::int16_t I16() { return std::int16_t(U16()); }
  std::int32_t I32() { return std::int32_t(U32()); }
  float F32() { return std::bit_cast<float>(U32()); }
  void Skip(qsizetype count) {
    if (!Has(count)) {
      ok_ = false;
      at_ = bytes_.size();
      return;
    }
    at_ += count;
  }
  // `units` UTF-16 code units (little-endian) as text.
  QString Utf16(qsizetype units) {
    QString text;
    if (!Has(units * 2)) {
      Skip(units * 2);
      return text;
    }
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) text.append(QChar(U16()));
    return text;
  }
  // `count` bytes from the current offset; empty and failed when they are
  // not all there.
  QByteArrayView Bytes(qsizetype count) {
    if (!Has(count)) {
      Skip(count);
      return {};
    }
    const QByteArrayView slice = bytes_.sliced(at_, count);
    at_ += count;
    return slice;
  }

 private:
  std::uint64_t Read(int size) {
    if (!Has(size)) {
      ok_ = false;
      at_ = bytes_.size();
      return 0;
    }
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes_[at_ + i]);
    at_ += size;
    return value;
  }

  QByteArrayView bytes_;
  qsizetype at_;
  bool ok_ = true;
};

}  // namespace tolvex

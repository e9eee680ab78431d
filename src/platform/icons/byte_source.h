// Bounds-checked reading at given offsets of a file or a memory block. The
// icon parsers read only the few bytes they need, so counting the icons of a
// large library never reads the whole file.
#pragma once

#include <QFile>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolvex::platform::icons {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  virtual std::uint64_t Size() const = 0;

  // Reads `count` bytes at `offset`; false (and nothing read) unless all of
  // them lie inside the source.
  bool Read(std::uint64_t offset, void* out, std::size_t count);
  // `count` bytes at `offset`, or nothing when they are not all there.
  std::optional<std::vector<std::uint8_t>> Bytes(std::uint64_t offset, std::size_t count);
  // As many of `count` bytes at `offset` as the source holds.
  std::vector<std::uint8_t> BytesUpTo(std::uint64_t offset, std::size_t count);

  std::optional<std::uint16_t> U16(std::uint64_t offset);
  std::optional<std::uint32_t> U32(std::uint64_t offset);

 protected:
  // Called only with offset + count <= Size().
  virtual bool ReadInside(std::uint64_t offset, void* out, std::size_t count) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }

 protected:
  bool ReadInside(std::uint64_t offset, void* out, std::size_t count) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// Reads a file through seeks; the file stays open for the source's life.
class FileSource : public ByteSource {
 public:
  // `path` is UTF-8.
  explicit FileSource(const std::string& path);
  bool IsOpen() const { return size_ > 0; }
  std::uint64_t Size() const override { return size_; }

 protected:
  bool ReadInside(std::uint64_t offset, void* out, std::size_t count) override;

 private:
  QFile file_;
  std::uint64_t size_ = 0;
};

// Little-endian fields of a block already read; fields past its end read as 0,
// so a caller that checked the block's length gets no surprise.
class ByteView {
 public:
  explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t Size() const { return bytes_.size(); }
  std::uint8_t U8(std::size_t at) const { return at < bytes_.size() ? bytes_[at] : 0; }
  std::uint16_t U16(std::size_t at) const { return std::uint16_t(U8(at) | U8(at + 1) << 8); }
  std::uint32_t U32(std::size_t at) const { return U16(at) | std::uint32_t(U16(at + 2)) << 16; }
  std::int32_t I32(std::size_t at) const { return std::int32_t(U32(at)); }
  std::uint32_t U32BigEndian(std::size_t at) const {
    return std::uint32_t(U8(at)) << 24 | std::uint32_t(U8(at + 1)) << 16 | U8(at + 2) << 8 |
           U8(at + 3);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace tolvex::platform::icons

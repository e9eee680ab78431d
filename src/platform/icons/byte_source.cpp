// Bounds-checked reading of files and memory blocks.
#include "platform/icons/byte_source.h"

#include <QFileInfo>
#include <cstring>

namespace tolvex::platform::icons {

bool ByteSource::Read(std::uint64_t offset, void* out, std::size_t count) {
  const std::uint64_t size = Size();
  if (offset > size || count > size - offset) return false;
  return count == 0 || ReadInside(offset, out, count);
}

std::optional<std::vector<std::uint8_t>> ByteSource::Bytes(std::uint64_t offset,
                                                           std::size_t count) {
  const std::uint64_t size = Size();
  if (offset > size || count > size - offset) return std::nullopt;
  std::vector<std::uint8_t> bytes(count);
  if (!Read(offset, bytes.data(), count)) return std::nullopt;
  return bytes;
}

std::vector<std::uint8_t> ByteSource::BytesUpTo(std::uint64_t offset, std::size_t count) {
  const std::uint64_t size = Size();
  if (offset >= size) return {};
  if (count > size - offset) count = std::size_t(size - offset);
  return Bytes(offset, count).value_or(std::vector<std::uint8_t>{});
}

std::optional<std::uint16_t> ByteSource::U16(std::uint64_t offset) {
  std::uint8_t b[2];
  if (!Read(offset, b, sizeof b)) return std::nullopt;
  return ByteView(b).U16(0);
}

std::optional<std::uint32_t> ByteSource::U32(std::uint64_t offset) {
  std::uint8_t b[4];
  if (!Read(offset, b, sizeof b)) return std::nullopt;
  return ByteView(b).U32(0);
}

bool MemorySource::ReadInside(std::uint64_t offset, void* out, std::size_t count) {
  std::memcpy(out, bytes_.data() + offset, count);
  return true;
}

FileSource::FileSource(const std::string& path) {
  file_.setFileName(QString::fromStdString(path));
  // Only plain files: opening a pipe or a device could wait for ever.
  if (!QFileInfo(file_).isFile()) return;
  // Reads are few and small and jump about the file: a read buffer would
  // only copy bytes that are never used.
  if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
  if (file_.size() > 0) size_ = std::uint64_t(file_.size());
}

bool FileSource::ReadInside(std::uint64_t offset, void* out, std::size_t count) {
  return file_.seek(qint64(offset)) &&
         file_.read(static_cast<char*>(out), qint64(count)) == qint64(count);
}

}  // namespace tolvex::platform::icons

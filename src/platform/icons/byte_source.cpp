// Bounds-checked reading of files and memory blocks.
#include "platform/icons/byte_source.h"

#include <cstring>
#include <filesystem>

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
  const std::filesystem::path native(
      std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  std::error_code error;
  if (!std::filesystem::is_regular_file(native, error)) return;
  // Reads are few and small and jump about the file: a read buffer would
  // only copy bytes that are never used.
  file_.rdbuf()->pubsetbuf(nullptr, 0);
  file_.open(native, std::ios::binary);
  if (!file_) return;
  file_.seekg(0, std::ios::end);
  const std::streamoff end = file_.tellg();
  if (end > 0) size_ = std::uint64_t(end);
}

bool FileSource::ReadInside(std::uint64_t offset, void* out, std::size_t count) {
  file_.clear();
  file_.seekg(std::streamoff(offset));
  file_.read(static_cast<char*>(out), std::streamsize(count));
  return file_.gcount() == std::streamsize(count);
}

}  // namespace tolvex::platform::icons

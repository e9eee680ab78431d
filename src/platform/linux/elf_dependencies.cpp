// DT_NEEDED entries of 32- and 64-bit ELF files of either byte order.
#include "platform/linux/elf_dependencies.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace tolvex::platform {

namespace {

constexpr std::uint16_t kSharedObject = 3;  // ET_DYN
constexpr std::uint32_t kLoadSegment = 1;   // PT_LOAD
constexpr std::uint32_t kDynamicSegment = 2;
constexpr std::uint64_t kNull = 0;  // DT_NULL
constexpr std::uint64_t kNeeded = 1;
constexpr std::uint64_t kStringTable = 5;
constexpr std::uint64_t kStringTableSize = 10;

// Limits far above any real library, so that a hostile file cannot make the
// reader loop or allocate without end.
constexpr std::uint32_t kMaxProgramHeaders = 4096;
constexpr std::uint64_t kMaxDynamicEntries = 65536;
constexpr std::size_t kMaxNeeded = 1024;
constexpr std::size_t kMaxNameLength = 4096;

// Fields of one ELF file: its class (32 or 64 bit) and byte order.
class ElfReader {
 public:
  ElfReader(icons::ByteSource& file, bool wide, bool bigEndian)
      : file_(file), wide_(wide), bigEndian_(bigEndian) {}

  bool Wide() const { return wide_; }
  std::optional<std::uint64_t> Unsigned(std::uint64_t offset, std::size_t size) const {
    std::uint8_t bytes[8];
    if (size > sizeof bytes || !file_.Read(offset, bytes, size)) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      const std::uint8_t byte = bigEndian_ ? bytes[i] : bytes[size - 1 - i];
      value = value << 8 | byte;
    }
    return value;
  }
  // An address, offset or size: 4 bytes in 32-bit files, 8 in 64-bit ones.
  std::optional<std::uint64_t> Word(std::uint64_t offset) const {
    return Unsigned(offset, wide_ ? 8 : 4);
  }
  icons::ByteSource& File() const { return file_; }

 private:
  icons::ByteSource& file_;
  bool wide_;
  bool bigEndian_;
};

struct Segment {
  std::uint64_t offset = 0;
  std::uint64_t address = 0;
  std::uint64_t fileSize = 0;
};

// Where the program header at `at` puts its segment; nothing when unreadable.
std::optional<std::pair<std::uint32_t, Segment>> ReadSegment(const ElfReader& elf,
                                                             std::uint64_t at) {
  const auto type = elf.Unsigned(at, 4);
  // 64-bit: type, flags, offset, vaddr, paddr, filesz; 32-bit: type, offset,
  // vaddr, paddr, filesz.
  const auto offset = elf.Word(at + (elf.Wide() ? 8 : 4));
  const auto address = elf.Word(at + (elf.Wide() ? 16 : 8));
  const auto fileSize = elf.Word(at + (elf.Wide() ? 32 : 16));
  if (!type || !offset || !address || !fileSize) return std::nullopt;
  return std::make_pair(std::uint32_t(*type), Segment{*offset, *address, *fileSize});
}

// The file offset of the virtual address `address`, from the load segments.
std::optional<std::uint64_t> FileOffset(const std::vector<Segment>& loads, std::uint64_t address) {
  for (const Segment& load : loads) {
    if (address >= load.address && address - load.address < load.fileSize) {
      const std::uint64_t inside = address - load.address;
      if (load.offset > UINT64_MAX - inside) return std::nullopt;
      return load.offset + inside;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ReadName(icons::ByteSource& file, std::uint64_t at,
                                    std::uint64_t limit) {
  const std::vector<std::uint8_t> bytes =
      file.BytesUpTo(at, std::size_t(std::min<std::uint64_t>(limit - at, kMaxNameLength)));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == 0) return std::string(bytes.begin(), bytes.begin() + std::ptrdiff_t(i));
  }
  return std::nullopt;
}

}  // namespace

ElfDependencies ReadElfDependencies(icons::ByteSource& file) {
  ElfDependencies result;
  std::uint8_t ident[16];
  if (!file.Read(0, ident, sizeof ident) || ident[0] != 0x7f || ident[1] != 'E' ||
      ident[2] != 'L' || ident[3] != 'F') {
    result.error = "not an ELF file";
    return result;
  }
  if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2)) {
    result.error = "unknown ELF class or byte order";
    return result;
  }
  const ElfReader elf(file, ident[4] == 2, ident[5] == 2);
  const auto type = elf.Unsigned(16, 2);
  const auto headerTable = elf.Word(elf.Wide() ? 32 : 28);
  const auto headerSize = elf.Unsigned(elf.Wide() ? 54 : 42, 2);
  const auto headerCount = elf.Unsigned(elf.Wide() ? 56 : 44, 2);
  if (!type || !headerTable || !headerSize || !headerCount) {
    result.error = "truncated ELF header";
    return result;
  }
  if (*type != kSharedObject) {
    result.error = "not a shared library";
    return result;
  }
  if (*headerSize < (elf.Wide() ? 56u : 32u) || *headerCount > kMaxProgramHeaders) {
    result.error = "malformed program headers";
    return result;
  }

  std::vector<Segment> loads;
  std::optional<Segment> dynamic;
  for (std::uint64_t i = 0; i < *headerCount; ++i) {
    const auto segment = ReadSegment(elf, *headerTable + i * *headerSize);
    if (!segment) {
      result.error = "truncated program headers";
      return result;
    }
    if (segment->first == kLoadSegment) loads.push_back(segment->second);
    if (segment->first == kDynamicSegment && !dynamic) dynamic = segment->second;
  }
  // A shared object without a dynamic section needs nothing.
  if (!dynamic) return result;

  const std::uint64_t entrySize = elf.Wide() ? 16 : 8;
  const std::uint64_t entries = std::min(dynamic->fileSize / entrySize, kMaxDynamicEntries);
  std::vector<std::uint64_t> neededAt;
  std::optional<std::uint64_t> stringTable;
  std::uint64_t stringTableSize = 0;
  for (std::uint64_t i = 0; i < entries; ++i) {
    const std::uint64_t at = dynamic->offset + i * entrySize;
    const auto tag = elf.Word(at);
    const auto value = elf.Word(at + entrySize / 2);
    if (!tag || !value) {
      result.error = "truncated dynamic section";
      return result;
    }
    if (*tag == kNull) break;
    if (*tag == kNeeded && neededAt.size() < kMaxNeeded) neededAt.push_back(*value);
    if (*tag == kStringTable) stringTable = *value;
    if (*tag == kStringTableSize) stringTableSize = *value;
  }
  if (neededAt.empty()) return result;

  const auto tableOffset = stringTable ? FileOffset(loads, *stringTable) : std::nullopt;
  if (!tableOffset || stringTableSize > file.Size() ||
      *tableOffset > file.Size() - stringTableSize) {
    result.error = "dynamic string table outside the file";
    return result;
  }
  const std::uint64_t tableEnd = *tableOffset + stringTableSize;
  for (const std::uint64_t nameAt : neededAt) {
    const auto name =
        nameAt < stringTableSize ? ReadName(file, *tableOffset + nameAt, tableEnd) : std::nullopt;
    if (!name) {
      result.error = "needed library name outside the string table";
      result.needed.clear();
      return result;
    }
    result.needed.push_back(*name);
  }
  return result;
}

}  // namespace tolvex::platform

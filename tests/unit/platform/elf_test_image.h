// A small ELF shared object built in memory: a header, a load segment over
// the whole file, a dynamic section naming `needed`, and its string table.
// Tests and fuzz seeds change single fields of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvex::test {

struct ElfTestImage {
  bool wide = true;
  bool bigEndian = false;
  std::vector<std::string> needed;

  // Offsets of the fields tests like to change.
  std::size_t typeAt = 16;
  std::size_t programHeadersAt() const { return wide ? 32 : 28; }
  std::size_t programHeaderCountAt() const { return wide ? 56 : 44; }
  std::size_t headerSize() const { return wide ? 64 : 52; }
  std::size_t segmentSize() const { return wide ? 56 : 32; }
  std::size_t wordSize() const { return wide ? 8 : 4; }
  std::size_t dynamicAt() const { return headerSize() + 2 * segmentSize(); }
  // The entries: one DT_NEEDED per name, DT_STRTAB, DT_STRSZ, DT_NULL.
  std::size_t entryAt(std::size_t i) const { return dynamicAt() + i * 2 * wordSize(); }
  std::size_t stringsAt() const { return entryAt(needed.size() + 3); }

  static constexpr std::uint64_t kBase = 0x400000;

  void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value,
           std::size_t size) const {
    if (bytes.size() < at + size) bytes.resize(at + size);
    for (std::size_t i = 0; i < size; ++i) {
      const std::uint8_t byte = std::uint8_t(value >> (8 * i));
      bytes[bigEndian ? at + size - 1 - i : at + i] = byte;
    }
  }
  void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value) const {
    Put(bytes, at, value, wordSize());
  }

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> bytes(headerSize());
    const std::uint8_t ident[] = {
        0x7f, 'E', 'L', 'F', std::uint8_t(wide ? 2 : 1), std::uint8_t(bigEndian ? 2 : 1), 1};
    std::copy(std::begin(ident), std::end(ident), bytes.begin());
    Put(bytes, typeAt, 3, 2);
    PutWord(bytes, programHeadersAt(), headerSize());
    Put(bytes, wide ? 54 : 42, segmentSize(), 2);
    Put(bytes, programHeaderCountAt(), 2, 2);

    std::string strings(1, '\0');
    std::vector<std::size_t> nameAt;
    for (const std::string& name : needed) {
      nameAt.push_back(strings.size());
      strings += name + '\0';
    }
    const std::size_t end = stringsAt() + strings.size();
    // The load segment, then the dynamic segment.
    for (int i = 0; i < 2; ++i) {
      const std::size_t at = headerSize() + i * segmentSize();
      const std::uint64_t offset = i == 0 ? 0 : dynamicAt();
      const std::uint64_t size = i == 0 ? end : stringsAt() - dynamicAt();
      Put(bytes, at, i == 0 ? 1 : 2, 4);
      PutWord(bytes, at + (wide ? 8 : 4), offset);
      PutWord(bytes, at + (wide ? 16 : 8), kBase + offset);
      PutWord(bytes, at + (wide ? 32 : 16), size);
    }
    for (std::size_t i = 0; i < needed.size(); ++i) {
      PutWord(bytes, entryAt(i), 1);
      PutWord(bytes, entryAt(i) + wordSize(), nameAt[i]);
    }
    PutWord(bytes, entryAt(needed.size()), 5);
    PutWord(bytes, entryAt(needed.size()) + wordSize(), kBase + stringsAt());
    PutWord(bytes, entryAt(needed.size() + 1), 10);
    PutWord(bytes, entryAt(needed.size() + 1) + wordSize(), strings.size());
    PutWord(bytes, entryAt(needed.size() + 2), 0);
    PutWord(bytes, entryAt(needed.size() + 2) + wordSize(), 0);
    bytes.resize(stringsAt());
    bytes.insert(bytes.end(), strings.begin(), strings.end());
    return bytes;
  }
};

}  // namespace tolvex::test

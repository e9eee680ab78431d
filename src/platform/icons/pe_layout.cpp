// Reading the COFF header, the optional header's data directories and the
// section table of a PE module.
#include "platform/icons/pe_layout.h"

#include <algorithm>

#include "platform/icons/module_header.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::size_t kSectionSize = 40;

}  // namespace

std::optional<PeLayout> PeLayout::Read(ByteSource& source) {
  const std::optional<std::uint32_t> pe = ModuleHeader(source, "PE");
  if (!pe || source.U16(std::uint64_t(*pe) + 2) != 0) return std::nullopt;
  const std::uint64_t coffAt = std::uint64_t(*pe) + 4;
  std::uint8_t coffBytes[kCoffHeaderSize];
  if (!source.Read(coffAt, coffBytes, sizeof coffBytes)) return std::nullopt;
  const ByteView coff(coffBytes);
  const std::uint64_t optional = coffAt + kCoffHeaderSize;
  const std::optional<std::uint16_t> magic = source.U16(optional);
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return std::nullopt;

  PeLayout layout;
  const std::vector<std::uint8_t> table =
      source.BytesUpTo(optional + coff.U16(16), std::size_t(coff.U16(2)) * kSectionSize);
  const ByteView view(table);
  layout.sections_.resize(table.size() / kSectionSize);
  for (std::size_t i = 0; i < layout.sections_.size(); ++i) {
    const std::size_t at = i * kSectionSize;
    layout.sections_[i] = {view.U32(at + 12), view.U32(at + 8), view.U32(at + 16),
                           view.U32(at + 20)};
  }
  layout.directoryCountAt_ = optional + (magic == kPe32Magic ? 92 : 108);
  return layout;
}

std::optional<ImageRef> PeLayout::Data(std::uint32_t address, std::uint32_t size) const {
  for (const PeSection& section : sections_) {
    if (!section.Holds(address)) continue;
    const std::uint32_t into = address - section.address;
    return ImageRef{std::uint64_t(section.rawOffset) + into,
                      std::min(size, section.rawSize - into)};
  }
  return std::nullopt;
}

std::optional<std::uint32_t> PeLayout::Directory(ByteSource& source, std::uint32_t index) const {
  const std::optional<std::uint32_t> count = source.U32(directoryCountAt_);
  if (!count || *count <= index) return std::nullopt;
  const std::optional<std::uint32_t> address = source.U32(directoryCountAt_ + 4 + index * 8);
  if (!address || *address == 0) return std::nullopt;
  return address;
}

}  // namespace tolvex::platform::icons

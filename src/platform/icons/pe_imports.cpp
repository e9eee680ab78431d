// Import descriptors are 20 bytes each, ended by one of zeros; the fourth
// field is the address of the library's name.
#include "platform/icons/pe_imports.h"

#include "platform/icons/pe_layout.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::uint32_t kDescriptorSize = 20;
// Real modules import from a few dozen libraries; a hostile directory must
// not make the read long.
constexpr std::uint32_t kMaxDescriptors = 4096;
constexpr std::uint32_t kMaxNameLength = 260;

std::optional<std::string> NameAt(ByteSource& source, const PeLayout& layout,
                                  std::uint32_t address) {
  const std::optional<ImageRef> where = layout.Data(address, kMaxNameLength);
  if (!where) return std::nullopt;
  const std::vector<std::uint8_t> bytes = source.BytesUpTo(where->offset, where->size);
  std::string name;
  for (std::uint8_t byte : bytes) {
    if (byte == 0) return name;
    name += static_cast<char>(byte);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::string>> PeImportedLibraries(ByteSource& source) {
  const std::optional<PeLayout> layout = PeLayout::Read(source);
  if (!layout) return std::nullopt;
  std::vector<std::string> libraries;
  const std::optional<std::uint32_t> directory = layout->Directory(source, kPeImportDirectory);
  if (!directory) return libraries;
  for (std::uint32_t i = 0; i < kMaxDescriptors; ++i) {
    const std::optional<ImageRef> entry =
        layout->Data(*directory + i * kDescriptorSize, kDescriptorSize);
    if (!entry || entry->size < kDescriptorSize) break;
    const std::optional<std::vector<std::uint8_t>> bytes = source.Bytes(entry->offset, kDescriptorSize);
    if (!bytes) break;
    const ByteView view(*bytes);
    const std::uint32_t nameAddress = view.U32(12);
    if (nameAddress == 0) break;
    if (const std::optional<std::string> name = NameAt(source, *layout, nameAddress))
      libraries.push_back(*name);
  }
  return libraries;
}

}  // namespace tolvex::platform::icons

// Icons of PE modules (32- and 64-bit programs and libraries). The resource
// directory has three levels: type, name or ID, language. Icon N is the N-th
// entry below the group-icon type, in directory order (named entries first,
// as modules store them); each group lists the IDs of its image resources.
#include <algorithm>

#include "platform/icons/icon_container.h"
#include "platform/icons/icon_group.h"
#include "platform/icons/module_header.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::uint16_t kIconResource = 3;
constexpr std::uint16_t kGroupIconResource = 14;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::size_t kSectionSize = 40;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000;

struct Section {
  std::uint32_t address = 0;
  std::uint32_t virtualSize = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawOffset = 0;

  // Whether address `at` lies in the section's memory and in its file bytes.
  // A section's file bytes may be padded beyond its memory size, into the
  // addresses of the next section.
  bool Holds(std::uint32_t at) const {
    const std::uint32_t extent = virtualSize != 0 ? virtualSize : rawSize;
    return at >= address && at - address < extent && at - address < rawSize;
  }
};

// One entry of a resource directory: a name or an ID, and a `target`
// relative to the resource root, with the high bit a subdirectory, else a
// data entry.
struct DirectoryEntry {
  bool named = false;
  std::uint16_t id = 0;
  std::uint32_t target = 0;
};

class PeIcons : public IconContainer {
 public:
  PeIcons(ByteSource& source, std::vector<Section> sections)
      : IconContainer(source), sections_(std::move(sections)) {}

  // Finds the resource root and the two directories of icon resources.
  void ReadResources(std::uint32_t rootAddress) {
    const std::optional<ImageRef> root = Data(rootAddress, kDirectoryHeaderSize);
    if (!root) return;
    root_ = root->offset;
    const std::optional<Directory> types = ReadDirectory(0);
    if (!types) return;
    groups_ = Subdirectory(*types, kGroupIconResource);
    icons_ = Subdirectory(*types, kIconResource);
  }

  int Count() const override { return groups_ ? int(groups_->count) : 0; }

  std::vector<ImageRef> Images(int index) override {
    if (!groups_) return {};
    std::optional<DirectoryEntry> group;
    if (index >= 0 && std::size_t(index) < groups_->count) {
      group = Entry(*groups_, std::size_t(index));
    } else if (index < 0 && index >= -0xFFFF) {
      group = FindNumbered(*groups_, std::uint16_t(-index));
    }
    const std::optional<ImageRef> directory = group ? Resource(*group) : std::nullopt;
    if (!directory) return {};
    const std::vector<std::uint8_t> bytes = Source().BytesUpTo(
        directory->offset,
        std::min<std::size_t>(directory->size, GroupDirectorySize(kMaxImagesPerGroup)));
    std::vector<ImageRef> images;
    for (std::uint16_t id : GroupImageIds(bytes)) {
      const std::optional<DirectoryEntry> icon = icons_ ? FindNumbered(*icons_, id) : std::nullopt;
      const std::optional<ImageRef> image = icon ? Resource(*icon) : std::nullopt;
      if (image) images.push_back(*image);
    }
    return images;
  }

 private:
  // A resource directory: where its entries start, how many named entries
  // come first, how many entries lie inside the file. Entries are read one by
  // one, so a library of thousands of icons costs no more than a small one.
  struct Directory {
    std::uint64_t entries = 0;
    std::size_t named = 0;
    std::size_t count = 0;
  };

  // The directory at `target` (high bit ignored).
  std::optional<Directory> ReadDirectory(std::uint32_t target) {
    const std::uint64_t at = root_ + (target & ~kHighBit);
    std::uint8_t header[kDirectoryHeaderSize];
    if (!Source().Read(at, header, sizeof header)) return std::nullopt;
    const ByteView head(header);
    Directory directory{at + kDirectoryHeaderSize, head.U16(12),
                        std::size_t(head.U16(12)) + head.U16(14)};
    const std::uint64_t fitting = (Source().Size() - directory.entries) / kDirectoryEntrySize;
    directory.count = std::size_t(std::min<std::uint64_t>(directory.count, fitting));
    directory.named = std::min(directory.named, directory.count);
    return directory;
  }

  std::optional<DirectoryEntry> Entry(const Directory& directory, std::size_t index) {
    std::uint8_t bytes[kDirectoryEntrySize];
    if (index >= directory.count ||
        !Source().Read(directory.entries + index * kDirectoryEntrySize, bytes, sizeof bytes))
      return std::nullopt;
    const ByteView entry(bytes);
    const std::uint32_t name = entry.U32(0);
    return DirectoryEntry{(name & kHighBit) != 0, std::uint16_t(name), entry.U32(4)};
  }

  // The numbered entry `id`, found as the platform finds it: by binary search
  // among the numbered entries, which modules keep sorted.
  std::optional<DirectoryEntry> FindNumbered(const Directory& directory, std::uint16_t id) {
    std::size_t low = directory.named;
    std::size_t high = directory.count;
    while (low < high) {
      const std::size_t middle = low + (high - low) / 2;
      const std::optional<DirectoryEntry> entry = Entry(directory, middle);
      if (!entry) return std::nullopt;
      if (!entry->named && entry->id == id) return entry;
      if (entry->named || entry->id > id) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    return std::nullopt;
  }

  // The subdirectory of the numbered entry `id` of `directory`.
  std::optional<Directory> Subdirectory(const Directory& directory, std::uint16_t id) {
    const std::optional<DirectoryEntry> entry = FindNumbered(directory, id);
    if (!entry || !(entry->target & kHighBit)) return std::nullopt;
    return ReadDirectory(entry->target);
  }

  // The data of a name entry: its first language's data entry.
  std::optional<ImageRef> Resource(const DirectoryEntry& entry) {
    if (!(entry.target & kHighBit)) return std::nullopt;
    const std::optional<Directory> languages = ReadDirectory(entry.target);
    const std::optional<DirectoryEntry> language = languages ? Entry(*languages, 0) : std::nullopt;
    if (!language || (language->target & kHighBit)) return std::nullopt;
    std::uint8_t data[kDataEntrySize];
    if (!Source().Read(root_ + language->target, data, sizeof data)) return std::nullopt;
    const ByteView view(data);
    return Data(view.U32(0), view.U32(4));
  }

  // The file bytes of `size` bytes at relative virtual address `address`,
  // cut to the part the file holds.
  std::optional<ImageRef> Data(std::uint32_t address, std::uint32_t size) const {
    for (const Section& section : sections_) {
      if (!section.Holds(address)) continue;
      const std::uint32_t into = address - section.address;
      return ImageRef{std::uint64_t(section.rawOffset) + into,
                      std::min(size, section.rawSize - into)};
    }
    return std::nullopt;
  }

  std::vector<Section> sections_;
  std::uint64_t root_ = 0;
  std::optional<Directory> groups_;
  std::optional<Directory> icons_;
};

}  // namespace

std::unique_ptr<IconContainer> OpenPeIcons(ByteSource& source) {
  const std::optional<std::uint32_t> pe = ModuleHeader(source, "PE");
  if (!pe || source.U16(std::uint64_t(*pe) + 2) != 0) return nullptr;
  const std::uint64_t coffAt = std::uint64_t(*pe) + 4;
  std::uint8_t coffBytes[kCoffHeaderSize];
  if (!source.Read(coffAt, coffBytes, sizeof coffBytes)) return nullptr;
  const ByteView coff(coffBytes);
  const std::uint64_t optional = coffAt + kCoffHeaderSize;
  const std::optional<std::uint16_t> magic = source.U16(optional);
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return nullptr;

  const std::vector<std::uint8_t> table =
      source.BytesUpTo(optional + coff.U16(16), std::size_t(coff.U16(2)) * kSectionSize);
  const ByteView view(table);
  std::vector<Section> sections(table.size() / kSectionSize);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const std::size_t at = i * kSectionSize;
    sections[i] = {view.U32(at + 12), view.U32(at + 8), view.U32(at + 16), view.U32(at + 20)};
  }
  auto icons = std::make_unique<PeIcons>(source, std::move(sections));

  const std::uint64_t countAt = optional + (magic == kPe32Magic ? 92 : 108);
  const std::optional<std::uint32_t> directories = source.U32(countAt);
  const std::optional<std::uint32_t> resources =
      source.U32(countAt + 4 + kResourceDirectoryIndex * 8);
  if (directories && *directories > kResourceDirectoryIndex && resources && *resources != 0)
    icons->ReadResources(*resources);
  return icons;
}

}  // namespace tolvex::platform::icons

// Icons of PE modules (32- and 64-bit programs and libraries). The resource
// directory has three levels: type, name or ID, language. Icon N is the N-th
// entry below the group-icon type, in directory order (named entries first,
// as modules store them); each group lists the IDs of its image resources.
#include <algorithm>

#include "platform/icons/icon_container.h"
#include "platform/icons/icon_group.h"
#include "platform/icons/pe_layout.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::uint16_t kIconResource = 3;
constexpr std::uint16_t kGroupIconResource = 14;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000;

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
  PeIcons(ByteSource& source, PeLayout layout) : IconContainer(source), layout_(std::move(layout)) {}

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

  std::optional<ImageRef> Data(std::uint32_t address, std::uint32_t size) const {
    return layout_.Data(address, size);
  }

  PeLayout layout_;
  std::uint64_t root_ = 0;
  std::optional<Directory> groups_;
  std::optional<Directory> icons_;
};

}  // namespace

std::unique_ptr<IconContainer> OpenPeIcons(ByteSource& source) {
  std::optional<PeLayout> layout = PeLayout::Read(source);
  if (!layout) return nullptr;
  const std::optional<std::uint32_t> resources = layout->Directory(source, kPeResourceDirectory);
  auto icons = std::make_unique<PeIcons>(source, std::move(*layout));
  if (resources) icons->ReadResources(*resources);
  return icons;
}

}  // namespace tolvex::platform::icons

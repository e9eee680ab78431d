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
  std::uint32_t rawSize = 0;
  std::uint32_t rawOffset = 0;
};

// One entry of a resource directory. `target` is relative to the resource
// root; with the high bit it names a subdirectory, else a data entry.
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
    for (const DirectoryEntry& type : Directory(0, SIZE_MAX)) {
      if (type.named || !(type.target & kHighBit)) continue;
      if (type.id == kGroupIconResource && groups_.empty()) groups_ = Directory(type.target);
      if (type.id == kIconResource && !iconDirectory_) iconDirectory_ = type.target;
    }
  }

  int Count() const override { return int(groups_.size()); }

  std::vector<ImageRef> Images(int index) override {
    const DirectoryEntry* group = nullptr;
    if (index >= 0 && std::size_t(index) < groups_.size()) {
      group = &groups_[std::size_t(index)];
    } else if (index < 0 && index >= -0xFFFF) {
      group = FindId(groups_, std::uint16_t(-index));
    }
    if (!group) return {};
    const std::optional<ImageRef> directory = Resource(*group);
    if (!directory) return {};
    const std::vector<std::uint8_t> bytes = Source().BytesUpTo(
        directory->offset,
        std::min<std::size_t>(directory->size, GroupDirectorySize(kMaxImagesPerGroup)));
    if (!icons_) icons_ = iconDirectory_ ? SortedById(Directory(*iconDirectory_)) : Entries{};
    std::vector<ImageRef> images;
    for (std::uint16_t id : GroupImageIds(bytes)) {
      const auto found = std::lower_bound(
          icons_->begin(), icons_->end(), id,
          [](const DirectoryEntry& entry, std::uint16_t wanted) { return entry.id < wanted; });
      if (found == icons_->end() || found->id != id) continue;
      if (const std::optional<ImageRef> image = Resource(*found)) images.push_back(*image);
    }
    return images;
  }

 private:
  using Entries = std::vector<DirectoryEntry>;

  static const DirectoryEntry* FindId(const Entries& entries, std::uint16_t id) {
    const auto found = std::find_if(entries.begin(), entries.end(), [id](const auto& entry) {
      return !entry.named && entry.id == id;
    });
    return found == entries.end() ? nullptr : &*found;
  }

  // The numbered entries, sorted by ID; of equal IDs the first one stays first.
  static Entries SortedById(Entries entries) {
    std::erase_if(entries, [](const DirectoryEntry& entry) { return entry.named; });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.id < b.id; });
    return entries;
  }

  // The entries of the directory at `target` (high bit ignored) that lie
  // inside the file, at most `limit` of them.
  Entries Directory(std::uint32_t target, std::size_t limit = SIZE_MAX) {
    const std::uint64_t at = root_ + (target & ~kHighBit);
    std::uint8_t header[kDirectoryHeaderSize];
    if (!Source().Read(at, header, sizeof header)) return {};
    const ByteView head(header);
    const std::size_t count =
        std::min<std::size_t>(std::size_t(head.U16(12)) + head.U16(14), limit);
    const std::vector<std::uint8_t> table =
        Source().BytesUpTo(at + kDirectoryHeaderSize, count * kDirectoryEntrySize);
    const ByteView view(table);
    Entries entries(table.size() / kDirectoryEntrySize);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::uint32_t name = view.U32(i * kDirectoryEntrySize);
      entries[i] = {(name & kHighBit) != 0, std::uint16_t(name & 0xFFFF),
                    view.U32(i * kDirectoryEntrySize + 4)};
    }
    return entries;
  }

  // The data of a name entry: its first language's data entry.
  std::optional<ImageRef> Resource(const DirectoryEntry& entry) {
    if (!(entry.target & kHighBit)) return std::nullopt;
    const Entries languages = Directory(entry.target, 1);
    if (languages.empty() || (languages[0].target & kHighBit)) return std::nullopt;
    std::uint8_t data[kDataEntrySize];
    if (!Source().Read(root_ + languages[0].target, data, sizeof data)) return std::nullopt;
    const ByteView view(data);
    return Data(view.U32(0), view.U32(4));
  }

  // The file bytes of `size` bytes at relative virtual address `address`,
  // cut to the part the file holds.
  std::optional<ImageRef> Data(std::uint32_t address, std::uint32_t size) const {
    for (const Section& section : sections_) {
      if (address < section.address || address - section.address >= section.rawSize) continue;
      const std::uint32_t into = address - section.address;
      return ImageRef{std::uint64_t(section.rawOffset) + into,
                      std::min(size, section.rawSize - into)};
    }
    return std::nullopt;
  }

  std::vector<Section> sections_;
  std::uint64_t root_ = 0;
  Entries groups_;
  std::optional<std::uint32_t> iconDirectory_;
  std::optional<Entries> icons_;
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
    sections[i] = {view.U32(at + 12), view.U32(at + 16), view.U32(at + 20)};
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

// Icons of 16-bit NE modules (icon libraries, old programs and libraries).
// The resource table lists resources by type; icon N is the N-th group-icon
// resource in table order, and each group lists the IDs of its images.
#include <algorithm>
#include <map>

#include "platform/icons/icon_container.h"
#include "platform/icons/icon_group.h"
#include "platform/icons/module_header.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::uint16_t kIntegerId = 0x8000;
constexpr std::uint16_t kIconType = kIntegerId | 3;
constexpr std::uint16_t kGroupIconType = kIntegerId | 14;
constexpr std::uint64_t kTablePointer = 0x24;
// Offsets inside the resource table are 16-bit, so the table fits in 64 KiB.
constexpr std::size_t kMaxTableSize = 0x10000;
constexpr std::size_t kTypeSize = 8;
constexpr std::size_t kResourceSize = 12;
// Larger shifts would make 16-bit lengths overflow 32 bits.
constexpr std::uint16_t kMaxAlignmentShift = 16;

struct Resource {
  bool named = false;
  std::uint16_t id = 0;
  ImageRef data;
};

class NeIcons : public IconContainer {
 public:
  NeIcons(ByteSource& source, std::vector<Resource> groups, std::map<std::uint16_t, ImageRef> icons)
      : IconContainer(source), groups_(std::move(groups)), icons_(std::move(icons)) {}

  int Count() const override { return int(groups_.size()); }

  std::vector<ImageRef> Images(int index) override {
    const Resource* group = nullptr;
    if (index >= 0 && std::size_t(index) < groups_.size()) {
      group = &groups_[std::size_t(index)];
    } else if (index < 0 && index >= -0x7FFF) {
      const auto found = std::find_if(groups_.begin(), groups_.end(), [index](const auto& g) {
        return !g.named && g.id == -index;
      });
      if (found != groups_.end()) group = &*found;
    }
    if (!group) return {};
    const std::vector<std::uint8_t> bytes = Source().BytesUpTo(
        group->data.offset,
        std::min<std::size_t>(group->data.size, GroupDirectorySize(kMaxImagesPerGroup)));
    std::vector<ImageRef> images;
    for (std::uint16_t id : GroupImageIds(bytes)) {
      const auto found = icons_.find(id);
      if (found != icons_.end()) images.push_back(found->second);
    }
    return images;
  }

 private:
  std::vector<Resource> groups_;
  std::map<std::uint16_t, ImageRef> icons_;
};

}  // namespace

std::unique_ptr<IconContainer> OpenNeIcons(ByteSource& source) {
  const std::optional<std::uint32_t> ne = ModuleHeader(source, "NE");
  if (!ne) return nullptr;
  const std::optional<std::uint16_t> tableOffset = source.U16(*ne + kTablePointer);
  if (!tableOffset) return nullptr;
  const std::vector<std::uint8_t> table =
      source.BytesUpTo(std::uint64_t(*ne) + *tableOffset, kMaxTableSize);
  const ByteView view(table);
  std::vector<Resource> groups;
  std::map<std::uint16_t, ImageRef> icons;
  const std::uint16_t shift = view.U16(0);
  if (table.size() < 2 || shift > kMaxAlignmentShift)
    return std::make_unique<NeIcons>(source, std::move(groups), std::move(icons));

  std::size_t at = 2;
  while (at + kTypeSize <= table.size()) {
    const std::uint16_t type = view.U16(at);
    if (type == 0) break;
    const std::size_t count = view.U16(at + 2);
    at += kTypeSize;
    for (std::size_t i = 0; i < count && at + kResourceSize <= table.size();
         ++i, at += kResourceSize) {
      const std::uint16_t id = view.U16(at + 6);
      const Resource resource{(id & kIntegerId) == 0,
                              std::uint16_t(id & ~kIntegerId),
                              {std::uint64_t(view.U16(at)) << shift,
                               std::uint32_t(std::uint64_t(view.U16(at + 2)) << shift)}};
      if (type == kGroupIconType) groups.push_back(resource);
      if (type == kIconType && !resource.named) icons.emplace(resource.id, resource.data);
    }
  }
  return std::make_unique<NeIcons>(source, std::move(groups), std::move(icons));
}

}  // namespace tolvex::platform::icons

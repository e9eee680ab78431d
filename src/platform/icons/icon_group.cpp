// Group directories of module icons.
#include "platform/icons/icon_group.h"

#include <algorithm>

#include "platform/icons/byte_source.h"
#include "platform/icons/icon_container.h"

namespace tolvex::platform::icons {

namespace {
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 14;
constexpr std::size_t kIdOffset = 12;
constexpr std::uint16_t kIconType = 1;
}  // namespace

std::size_t GroupDirectorySize(std::size_t count) {
  return kHeaderSize + count * kEntrySize;
}

std::vector<std::uint16_t> GroupImageIds(std::span<const std::uint8_t> bytes) {
  const ByteView view(bytes);
  if (bytes.size() < kHeaderSize || view.U16(0) != 0 || view.U16(2) != kIconType) return {};
  const std::size_t fitting = (bytes.size() - kHeaderSize) / kEntrySize;
  const std::size_t count =
      std::min({std::size_t(view.U16(4)), fitting, std::size_t(kMaxImagesPerGroup)});
  std::vector<std::uint16_t> ids;
  ids.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    ids.push_back(view.U16(kHeaderSize + i * kEntrySize + kIdOffset));
  return ids;
}

}  // namespace tolvex::platform::icons

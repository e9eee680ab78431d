// The group directory that modules store for each icon: a header and one
// entry per image naming the image's icon resource.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tolvex::platform::icons {

// The resource IDs of the images listed by the group directory `bytes`
// (at most kMaxImagesPerGroup; the entries that lie inside `bytes`).
std::vector<std::uint16_t> GroupImageIds(std::span<const std::uint8_t> bytes);

// The byte length of a group directory of `count` entries.
std::size_t GroupDirectorySize(std::size_t count);

}  // namespace tolvex::platform::icons

// Loading one icon of a file that holds icons: the sound images of its
// group, the best of them for a size, decoded.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/icons/icon_image.h"

namespace tolvex::platform::icons {

// Decodes the bytes of a PNG image; a null image when they are not one.
using PngDecoder = std::function<IconImage(std::span<const std::uint8_t>)>;

// The probed, sound images of icon `index` of `icons`, in group order.
std::vector<ImageInfo> IconImages(IconContainer& icons, int index);

// Icon `index` in its image that best fits `pixels` pixels square, at that
// image's own size. An image that fails to decode gives way to the next best.
IconImage LoadIcon(IconContainer& icons, int index, int pixels, const PngDecoder& decodePng);

}  // namespace tolvex::platform::icons

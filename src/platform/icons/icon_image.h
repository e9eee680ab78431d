// The images inside an icon: classic device-independent bitmaps (a colour
// bitmap of 1 to 32 bits per pixel and a 1-bit AND mask) or PNG images.
// Probing reads only an image's header; the best image for a size is chosen
// from the probed ones.
#pragma once

#include <optional>
#include <vector>

#include "platform/icons/icon_container.h"
#include "platform/shell.h"

namespace tolvex::platform::icons {

// Images wider or taller than this are not icons; refusing them bounds the
// memory a hostile file can ask for.
inline constexpr int kMaxImageSize = 1024;

enum class ImageFormat { Dib, Png };

struct ImageInfo {
  ImageRef ref;
  ImageFormat format = ImageFormat::Dib;
  int width = 0;
  int height = 0;
  int bitCount = 0;
};

// The header of the image at `ref`, when it is a DIB or PNG image of sane
// size whose bytes lie inside the source.
std::optional<ImageInfo> ProbeImage(ByteSource& source, const ImageRef& ref);

// Of `images`, the one that best fits `pixels` pixels square: the exact size,
// else the smallest larger one, else the largest smaller one; of equal sizes
// the one with the most colours, then the first.
std::optional<ImageInfo> BestImage(const std::vector<ImageInfo>& images, int pixels);

// The pixels of a DIB image; a null image when its bits are not all there.
IconImage DecodeDib(ByteSource& source, const ImageInfo& image);

}  // namespace tolvex::platform::icons

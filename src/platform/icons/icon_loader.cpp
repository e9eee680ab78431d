// Loading one icon of a file that holds icons.
#include "platform/icons/icon_loader.h"

#include <algorithm>

namespace tolvex::platform::icons {

std::vector<ImageInfo> IconImages(IconContainer& icons, int index) {
  std::vector<ImageInfo> images;
  for (const ImageRef& ref : icons.Images(index))
    if (std::optional<ImageInfo> image = ProbeImage(icons.Source(), ref)) images.push_back(*image);
  return images;
}

IconImage LoadIcon(IconContainer& icons, int index, int pixels, const PngDecoder& decodePng) {
  std::vector<ImageInfo> candidates = IconImages(icons, index);
  while (const std::optional<ImageInfo> best = BestImage(candidates, pixels)) {
    IconImage image;
    if (best->format == ImageFormat::Dib) {
      image = DecodeDib(icons.Source(), *best);
    } else if (const auto bytes = icons.Source().Bytes(best->ref.offset, best->ref.size)) {
      image = decodePng(*bytes);
    }
    if (!image.IsNull()) return image;
    std::erase_if(candidates, [&best](const ImageInfo& candidate) {
      return candidate.ref.offset == best->ref.offset && candidate.ref.size == best->ref.size;
    });
  }
  return {};
}

}  // namespace tolvex::platform::icons

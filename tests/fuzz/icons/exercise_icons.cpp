// Reading everything a file of icons offers.
#include "exercise_icons.h"

#include <algorithm>

namespace tolvex::platform::icons {

namespace {
// Icon numbers beyond this add nothing a fuzzer could find.
constexpr int kMaxIcons = 64;
}  // namespace

ExerciseOutcome ExerciseIcons(IconOpener open, std::span<const std::uint8_t> bytes,
                              const PngDecoder& decodePng) {
  MemorySource source(bytes);
  const std::unique_ptr<IconContainer> icons = open(source);
  ExerciseOutcome outcome;
  if (!icons) return outcome;
  outcome.recognised = true;
  outcome.count = icons->Count();
  const PngDecoder decoder =
      decodePng ? decodePng : [](std::span<const std::uint8_t>) { return IconImage{}; };
  const int last = std::min(outcome.count, kMaxIcons);
  for (int index = -3; index < last; ++index) {
    for (const ImageInfo& image : IconImages(*icons, index))
      if (image.format == ImageFormat::Dib && DecodeDib(source, image).IsNull())
        ++outcome.undecodable;
    for (int pixels : {16, 32, 64}) LoadIcon(*icons, index, pixels, decoder);
  }
  return outcome;
}

}  // namespace tolvex::platform::icons

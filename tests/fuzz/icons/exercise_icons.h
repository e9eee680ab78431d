// Reads everything a file of icons offers, as the shell would: the count,
// every icon's images, the best image for the usual sizes. Shared by the
// fuzz targets and the unit tests that replay hostile inputs.
#pragma once

#include <cstdint>
#include <span>

#include "platform/icons/icon_loader.h"

namespace tolvex::platform::icons {

using IconOpener = std::unique_ptr<IconContainer> (*)(ByteSource&);

struct ExerciseOutcome {
  bool recognised = false;
  int count = 0;
  // Images that probed as sound but did not decode: always 0 unless the
  // parser is wrong.
  int undecodable = 0;
};

// `decodePng` may be null: PNG images are then only probed.
ExerciseOutcome ExerciseIcons(IconOpener open, std::span<const std::uint8_t> bytes,
                              const PngDecoder& decodePng = nullptr);

}  // namespace tolvex::platform::icons

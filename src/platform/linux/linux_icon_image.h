// Icon images as Qt images, and PNG icon images decoded by Qt.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "platform/shell.h"

namespace tolvex::platform {

QImage ToQImage(const IconImage& icon);
IconImage FromQImage(const QImage& image);

// The pixels of a PNG image; a null image when `bytes` are not one.
IconImage DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace tolvex::platform

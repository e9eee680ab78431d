// Icon images as Qt images, fitted to a size, and PNG icon images decoded by Qt.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "platform/shell.h"

namespace tolvex::platform {

QImage ToQImage(const IconImage& icon);
IconImage FromQImage(const QImage& image);

// The device pixels of an icon `size` pixels square at `devicePixelRatio`;
// 0 for nonsense.
int IconPixels(int size, double devicePixelRatio);
// `image` scaled smoothly to fit `pixels` square, centred on a transparent
// square when it is not square itself.
IconImage FitIcon(const QImage& image, int pixels);

// The pixels of a PNG image; a null image when `bytes` are not one.
IconImage DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace tolvex::platform

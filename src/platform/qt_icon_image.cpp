// Icon images as Qt images. An icon image has the memory layout of a
// QImage::Format_ARGB32 image, so the conversions copy lines.
#include "platform/qt_icon_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/icons/icon_image.h"

namespace tolvex::platform {

QImage ToQImage(const IconImage& icon) {
  if (icon.IsNull()) return {};
  return QImage(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                icon.width * 4, QImage::Format_ARGB32)
      .copy();
}

IconImage FromQImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  IconImage icon;
  icon.width = argb.width();
  icon.height = argb.height();
  icon.pixels.resize(std::size_t(icon.width) * std::size_t(icon.height));
  for (int y = 0; y < icon.height; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
    std::copy(line, line + icon.width, icon.pixels.begin() + std::ptrdiff_t(y) * icon.width);
  }
  return icon;
}

int IconPixels(int size, double devicePixelRatio) {
  const double pixels = std::round(size * devicePixelRatio);
  return pixels >= 1 && pixels <= icons::kMaxImageSize ? int(pixels) : 0;
}

IconImage FitIcon(const QImage& image, int pixels) {
  if (image.isNull()) return {};
  if (image.width() == pixels && image.height() == pixels) return FromQImage(image);
  const QImage scaled = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  QPainter painter(&square);
  painter.drawImage((pixels - scaled.width()) / 2, (pixels - scaled.height()) / 2, scaled);
  painter.end();
  return FromQImage(square);
}

IconImage DecodePng(std::span<const std::uint8_t> bytes) {
  QImage image;
  if (!image.loadFromData(bytes.data(), int(bytes.size()), "PNG")) return {};
  return FromQImage(image);
}

}  // namespace tolvex::platform

// Icons of files on Linux: programs, libraries and icon files (PE, NE and
// .ico, recognised by content) through the portable icon parser; every other
// file or folder shows the icon the desktop shows for it.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "platform/icons/icon_loader.h"
#include "platform/linux/linux_icon_image.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_theme_icons.h"

namespace tolvex::platform {

namespace {

// The device pixels of `size` at `devicePixelRatio`; 0 for nonsense.
int DevicePixels(int size, double devicePixelRatio) {
  const double pixels = std::round(size * devicePixelRatio);
  return pixels >= 1 && pixels <= icons::kMaxImageSize ? int(pixels) : 0;
}

// `image` scaled smoothly to fit `pixels` square, centred on a transparent
// square when it is not square itself.
IconImage FitTo(const QImage& image, int pixels) {
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

}  // namespace

int LinuxShell::IconCount(const std::string& file) {
  const QString path = QString::fromStdString(file);
  if (path.isEmpty() || !QFileInfo::exists(path)) return 0;
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source)) return container->Count();
  return 1;
}

IconImage LinuxShell::ExtractIcon(const std::string& file, int index, int size,
                                  double devicePixelRatio) {
  const QString path = QString::fromStdString(file);
  const int pixels = DevicePixels(size, devicePixelRatio);
  if (pixels == 0 || path.isEmpty() || !QFileInfo::exists(path)) return {};
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source))
    return FitTo(ToQImage(icons::LoadIcon(*container, index, pixels, DecodePng)), pixels);
  if (index != 0) return {};
  return FitTo(DesktopIconFor(path).pixmap(QSize(pixels, pixels), 1.0).toImage(), pixels);
}

}  // namespace tolvex::platform

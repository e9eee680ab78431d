// What Linux shows for a file: icons of programs, libraries and icon files
// (PE, NE and .ico, recognised by content) through the portable icon parser,
// image files scaled to the icon size, every other file or folder with the
// icon the desktop shows for it; desktop entries by their own name.
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

#include "platform/icons/icon_loader.h"
#include "platform/linux/desktop_entry.h"
#include "platform/qt_icon_image.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_theme_icons.h"

namespace tolvex::platform {

namespace {

// An image file read for an icon `pixels` square: scalable images are drawn
// at that size, others read whole (FitIcon scales them). Images of absurd
// size are not read.
QImage ReadImage(const QString& path, int pixels) {
  constexpr qint64 kMaxPixels = 4096LL * 4096;
  QImageReader reader(path);
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) return {};
  if (reader.format() == "svg" || reader.format() == "svgz")
    reader.setScaledSize(size.scaled(pixels, pixels, Qt::KeepAspectRatio));
  return reader.read();
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
  const int pixels = IconPixels(size, devicePixelRatio);
  if (pixels == 0 || path.isEmpty() || !QFileInfo::exists(path)) return {};
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source))
    return FitIcon(ToQImage(icons::LoadIcon(*container, index, pixels, DecodePng)), pixels);
  if (index != 0) return {};
  // A desktop entry is known by its name: the type database's search of
  // every name pattern is left out for the launchers' commonest target.
  const QMimeDatabase types;
  const QMimeType type = IsDesktopEntryFile(file)
                             ? types.mimeTypeForName(QStringLiteral("application/x-desktop"))
                             : types.mimeTypeForFile(path);
  if (type.name().startsWith(QLatin1String("image/"))) {
    const QImage image = ReadImage(path, pixels);
    if (!image.isNull()) return FitIcon(image, pixels);
  }
  return FitIcon(DesktopIconFor(path, type).pixmap(QSize(pixels, pixels), 1.0).toImage(), pixels);
}

std::string LinuxShell::DisplayName(const std::string& file) {
  return DesktopEntryName(file);
}

}  // namespace tolvex::platform

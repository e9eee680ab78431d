// Icons of files on Linux: programs, libraries and icon files (PE, NE and
// .ico, recognised by content) through the portable icon parser; every other
// file or folder shows the icon the desktop shows for it.
#include <QFileInfo>

#include "platform/icons/icon_loader.h"
#include "platform/linux/linux_icon_image.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_theme_icons.h"

namespace tolvex::platform {

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
  return FitIcon(DesktopIconFor(path).pixmap(QSize(pixels, pixels), 1.0).toImage(), pixels);
}

}  // namespace tolvex::platform

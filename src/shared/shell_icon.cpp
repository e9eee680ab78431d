// The shell's icons as images and pixmaps.
#include "shared/shell_icon.h"

#include "platform/shell.h"

namespace tolvex {

QImage ShellIconImage(const QString& file, int index, int size, double devicePixelRatio) {
  platform::IconImage icon =
      platform::Shell().ExtractIcon(file.toStdString(), index, size, devicePixelRatio);
  if (icon.IsNull()) return {};
  return QImage(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                icon.width * 4, QImage::Format_ARGB32)
      .copy();
}

QPixmap ShellIcon(const QString& file, int index, int size, double devicePixelRatio) {
  const QImage image = ShellIconImage(file, index, size, devicePixelRatio);
  if (image.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace tolvex

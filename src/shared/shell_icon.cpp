// The shell's icons as pixmaps.
#include "shared/shell_icon.h"

#include <QImage>

#include "platform/shell.h"

namespace tolvex {

QPixmap ShellIcon(const QString& file, int index, int size, double devicePixelRatio) {
  platform::IconImage icon =
      platform::Shell().ExtractIcon(file.toStdString(), index, size, devicePixelRatio);
  if (icon.IsNull()) return {};
  const QImage image(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                     icon.width * 4, QImage::Format_ARGB32);
  QPixmap pixmap = QPixmap::fromImage(image.copy());
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace tolvex

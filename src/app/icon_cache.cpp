// The icon cache of the launchers.
#include "app/icon_cache.h"

#include <QDateTime>
#include <QFileInfo>

#include "shared/shell_icon.h"

namespace tolvex {

namespace {

// Enough for a thousand different large icons at twice the pixels.
constexpr qsizetype kLauncherIconBytes = 16 * 1024 * 1024;

}  // namespace

TIconCache::TIconCache(qsizetype maxBytes) : images_(maxBytes) {}

QString TIconCache::Key(const QString& file, int index, int size, double devicePixelRatio) {
  const qint64 modified = QFileInfo(file).lastModified().toMSecsSinceEpoch();
  return QStringLiteral("%1\n%2\n%3\n%4\n%5")
      .arg(file)
      .arg(modified)
      .arg(index)
      .arg(size)
      .arg(devicePixelRatio);
}

QPixmap TIconCache::ToPixmap(const QImage& image, double devicePixelRatio) {
  if (image.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

std::optional<QPixmap> TIconCache::Known(const QString& file, int index, int size,
                                         double devicePixelRatio) {
  const QImage* cached = images_.object(Key(file, index, size, devicePixelRatio));
  if (cached == nullptr) return std::nullopt;
  return ToPixmap(*cached, devicePixelRatio);
}

QPixmap TIconCache::Icon(const QString& file, int index, int size, double devicePixelRatio) {
  const QString key = Key(file, index, size, devicePixelRatio);
  const QImage* cached = images_.object(key);
  const QImage image =
      cached != nullptr ? *cached : ShellIconImage(file, index, size, devicePixelRatio);
  // A file without the icon is remembered too, at the cost of one byte.
  if (cached == nullptr)
    images_.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
  return ToPixmap(image, devicePixelRatio);
}

TIconCache& LauncherIcons() {
  static TIconCache cache(kLauncherIconBytes);
  return cache;
}

}  // namespace tolvex

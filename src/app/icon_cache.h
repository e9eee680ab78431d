// TIconCache: the icons the launchers extracted, kept across rebuilds of the
// bar, so a rebuild extracts only the icons of files that are new or changed.
// An icon is known by its file, the file's modification time, its index, its
// size and the screen's device pixel ratio. The images take at most a fixed
// number of bytes; the least recently used give way first.
#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <optional>

namespace tolvex {

class TIconCache {
 public:
  explicit TIconCache(qsizetype maxBytes);

  // Icon `index` of `file` as a pixmap `size` pixels square on a screen with
  // `devicePixelRatio`, extracted through the shell when not known yet; null
  // when the file has no such icon.
  QPixmap Icon(const QString& file, int index, int size, double devicePixelRatio);

  // The answer of Icon() when it was extracted before (a null pixmap for a
  // file without the icon); nothing when extracting is still to be done.
  std::optional<QPixmap> Known(const QString& file, int index, int size, double devicePixelRatio);

  qsizetype Count() const { return images_.count(); }

 private:
  static QString Key(const QString& file, int index, int size, double devicePixelRatio);
  static QPixmap ToPixmap(const QImage& image, double devicePixelRatio);

  // Images, not pixmaps: the cache may outlive the application object.
  QCache<QString, QImage> images_;
};

// The cache of the launchers of the bar.
TIconCache& LauncherIcons();

}  // namespace tolvex

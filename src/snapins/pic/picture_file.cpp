// Reading a picture file for the picture panel and its viewer.
#include "snapins/pic/picture_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

namespace tolvex {

namespace {

// Extension (lower case) and the image reader's format name for it.
struct TPictureFormat {
  const char* extension;
  const char* format;
};

constexpr TPictureFormat kFormats[] = {
    {"bmp", "bmp"}, {"ico", "ico"}, {"png", "png"},  {"jpg", "jpeg"},
    {"jpeg", "jpeg"}, {"gif", "gif"}, {"svg", "svg"},
};

}  // namespace

QImage LoadPictureFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return {};
  const QString extension = info.suffix().toLower();
  for (const TPictureFormat& format : kFormats) {
    if (extension != QLatin1String(format.extension)) continue;
    QImageReader reader(path, format.format);
    reader.setAutoTransform(true);
    return reader.read();
  }
  return {};
}

QString PictureFileFilter() {
  QStringList patterns;
  for (const TPictureFormat& format : kFormats) {
    patterns << QStringLiteral("*.") + QLatin1String(format.extension);
  }
  return QStringLiteral("Bilder|") + patterns.join(QLatin1Char(';')) +
         QStringLiteral("|Alle Dateien|*.*");
}

}  // namespace tolvex

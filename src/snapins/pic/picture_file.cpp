// Reading a picture file for the picture panel and its viewer.
#include "snapins/pic/picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include "snapins/pic/metafile/enhanced_metafile.h"
#include "snapins/pic/metafile/windows_metafile.h"

namespace tolvex {

namespace {

// Metafiles larger than this are no pictures for the bar.
constexpr qint64 kMaxMetafileBytes = 64 * 1024 * 1024;

// Extension (lower case) and the image reader's format name for it, or
// the drawing of a metafile.
struct TPictureFormat {
  const char* extension;
  const char* format;
  QImage (*render)(QByteArrayView, int) = nullptr;
};

constexpr TPictureFormat kFormats[] = {
    {"bmp", "bmp"},
    {"ico", "ico"},
    {"emf", nullptr, RenderEnhancedMetafile},
    {"wmf", nullptr, RenderWindowsMetafile},
    {"png", "png"},
    {"jpg", "jpeg"},
    {"jpeg", "jpeg"},
    {"gif", "gif"},
    {"svg", "svg"},
};

QImage RenderMetafileFile(const QString& path, QImage (*render)(QByteArrayView, int)) {
  QFile file(path);
  if (file.size() > kMaxMetafileBytes || !file.open(QIODevice::ReadOnly)) return {};
  return render(file.read(kMaxMetafileBytes), kMaxMetafileSide);
}

}  // namespace

QImage LoadPictureFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return {};
  const QString extension = info.suffix().toLower();
  for (const TPictureFormat& format : kFormats) {
    if (extension != QLatin1String(format.extension)) continue;
    if (format.render != nullptr) return RenderMetafileFile(path, format.render);
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

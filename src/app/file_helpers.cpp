// File helpers of the start-up and the configuration files.
#include "app/file_helpers.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

namespace tolvex {

namespace {

// Shows the hourglass for the life of a scope and restores what showed before.
class TWaitCursor {
 public:
  TWaitCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (shown_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~TWaitCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
  }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  bool shown_;
};

}  // namespace

QString AddPathPart(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (folder.endsWith('/')) return folder + name;
  return folder + '/' + name;
}

QString ChangeFileExt(const QString& fileName, const QString& extension) {
  const qsizetype slash = fileName.lastIndexOf('/');
  const qsizetype dot = fileName.lastIndexOf('.');
  return (dot > slash ? fileName.left(dot) : fileName) + extension;
}

void DeleteFileForced(const QString& path) {
  QFile file(path);
  if (!(file.permissions() & QFileDevice::WriteOwner)) {
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
  }
  file.remove();
}

bool CopyFileWait(const QString& source, const QString& target) {
  // A named pipe or device would block the start or never end.
  if (!QFileInfo(source).isFile()) return false;
  TWaitCursor wait;
  QFile input(source);
  if (!input.open(QIODevice::ReadOnly)) return false;
  QSaveFile output(target);
  if (!output.open(QIODevice::WriteOnly)) return false;
  char buffer[65536];
  while (true) {
    const qint64 n = input.read(buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) break;
    if (output.write(buffer, n) != n) return false;
  }
  if (!output.commit()) return false;
  QFile::setPermissions(target, input.permissions());
  return true;
}

}  // namespace tolvex

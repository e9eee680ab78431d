// The folders the bar keeps its files in, from the shell service. Where an
// installation puts its data and plug-ins relative to the program folder
// comes from the build (TOLVEX_INSTALLED_DATA_DIR, TOLVEX_INSTALLED_SNAPIN_DIR).
#include "app/folders.h"

#include <QDir>
#include <QFileInfo>

#include "app/file_helpers.h"
#include "platform/shell.h"

namespace tolvex {

namespace {

QString AsFolder(const QString& path) {
  return path.endsWith('/') ? path : path + '/';
}

QString InstalledFolder(const char* relative) {
  return AsFolder(QDir::cleanPath(ProgramFolder() + QString::fromUtf8(relative)));
}

}  // namespace

QString ProgramFile() {
  return QString::fromStdString(platform::Shell().ProgramFile());
}

QString ProgramFolder() {
  return AsFolder(QFileInfo(ProgramFile()).absolutePath());
}

QString ApplicationDataFolder() {
  return QString::fromStdString(platform::Shell().AppDataFolder());
}

QString PerUserFolder() {
  return AsFolder(AddPathPart(ApplicationDataFolder(), "tolvex"));
}

bool IsInstalledBar() {
  return QFileInfo(InstalledFolder(TOLVEX_INSTALLED_DATA_DIR)).isDir();
}

QString SeedFolder() {
  return IsInstalledBar() ? InstalledFolder(TOLVEX_INSTALLED_DATA_DIR) : ProgramFolder();
}

QStringList SnapInFolders() {
  if (!IsInstalledBar()) return {ProgramFolder() + "snapins/"};
  QStringList folders = {InstalledFolder(TOLVEX_INSTALLED_SNAPIN_DIR)};
  const QString userData = QString::fromStdString(platform::Shell().UserDataFolder());
  if (!userData.isEmpty()) folders << AsFolder(AddPathPart(userData, "tolvex/snapins"));
  return folders;
}

QString SnapInFolder() {
  return SnapInFolders().constFirst();
}

QString SnapInFolderOf(const QString& fileName) {
  const QStringList folders = SnapInFolders();
  for (const QString& folder : folders)
    if (QFileInfo::exists(folder + fileName)) return folder;
  return folders.constFirst();
}

QString NotesFolder(const QString& configFileName) {
  return AsFolder(QFileInfo(configFileName).absolutePath()) + "data/notes/";
}

QFileInfoList NoteFiles(const QString& folder) {
  // Matched by suffix rather than a name filter: the filter's wildcard
  // engine is a regular-expression library the start would load for this.
  QFileInfoList files =
      QDir(folder, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden)
          .entryInfoList();
  files.removeIf([](const QFileInfo& file) {
    return !file.fileName().endsWith(QLatin1StringView(".tdn"), Qt::CaseInsensitive);
  });
  return files;
}

}  // namespace tolvex

// The folders the bar keeps its files in, from the shell service.
#include "app/folders.h"

#include <QFileInfo>

#include "app/file_helpers.h"
#include "platform/shell.h"

namespace tolvex {

namespace {

QString AsFolder(const QString& path) {
  return path.endsWith('/') ? path : path + '/';
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

QString SnapInFolder() {
  return ProgramFolder() + "snapins/";
}

QString NotesFolder(const QString& configFileName) {
  return AsFolder(QFileInfo(configFileName).absolutePath()) + "data/notes/";
}

}  // namespace tolvex

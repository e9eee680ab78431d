// Folders on Linux: the XDG base folders of the user and the running
// program's file.
#include "platform/linux/user_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace tolvex::platform {
namespace {

// The XDG base folder `variable` names, or `fallback` below the home folder
// when that is unset, empty or not an absolute path.
QString BaseFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && *value == '/') return QDir::cleanPath(QString::fromLocal8Bit(value));
  const char* home = std::getenv("HOME");
  const QString homeDir =
      (home != nullptr && *home != '\0') ? QString::fromLocal8Bit(home) : QDir::homePath();
  return QDir::cleanPath(homeDir + "/" + fallback);
}

void CreatePrivateFolder(const QString& path) {
  if (QFileInfo(path).isDir()) return;
  QDir().mkpath(QFileInfo(path).absolutePath());
  ::mkdir(QFile::encodeName(path).constData(), 0700);
}

}  // namespace

std::string ConfigFolder() {
  const QString folder = BaseFolder("XDG_CONFIG_HOME", ".config");
  CreatePrivateFolder(folder);
  return folder.toStdString();
}

std::string DataFolder() {
  return BaseFolder("XDG_DATA_HOME", ".local/share").toStdString();
}

std::string RunningProgramFile() {
  if (QCoreApplication::instance() != nullptr)
    return QCoreApplication::applicationFilePath().toStdString();
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace tolvex::platform

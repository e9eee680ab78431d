// Folders on Linux: the application-data folder is $XDG_CONFIG_HOME, or
// ~/.config when that is unset or empty.
#include "platform/linux/user_folders.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

namespace tolvex::platform {

std::string ConfigFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && *config != '\0') {
    return QDir::cleanPath(QString::fromLocal8Bit(config)).toStdString();
  }
  const char* home = std::getenv("HOME");
  const QString homeDir =
      (home != nullptr && *home != '\0') ? QString::fromLocal8Bit(home) : QDir::homePath();
  return QDir::cleanPath(homeDir + "/.config").toStdString();
}

std::string RunningProgramFile() {
  if (QCoreApplication::instance() != nullptr)
    return QCoreApplication::applicationFilePath().toStdString();
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace tolvex::platform

// Default applications from the alternatives system and xdg-mime.
#include "platform/linux/linux_desktop_defaults.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "platform/linux/desktop_entry.h"

namespace tolvex::platform {

namespace {

// The desktop entry file xdg-mime names for `mimeType`, when its program is
// installed; else empty.
QString DefaultEntry(const QString& mimeType) {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return {};
  QProcess query;
  query.start(xdgMime, {"query", "default", mimeType});
  // A broken helper must not hold up the start.
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return {};
  }
  const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
  if (id.isEmpty() || !id.endsWith(".desktop") || id.contains('/')) return {};
  const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
  if (file.isEmpty()) return {};
  const auto entry = ReadDesktopEntry(file.toStdString());
  if (!entry) return {};
  const auto command = ExecArguments(*entry, {}, file.toStdString());
  if (!command || command->empty()) return {};
  const QString program = QString::fromStdString(command->front());
  const bool installed = program.startsWith('/')
                             ? QFile::exists(program)
                             : !QStandardPaths::findExecutable(program).isEmpty();
  return installed ? file : QString();
}

}  // namespace

std::string LinuxDesktopDefaults::Find(DefaultApplication which) {
  QString found;
  switch (which) {
    case DefaultApplication::daTerminal:
      found = QStandardPaths::findExecutable("x-terminal-emulator");
      break;
    case DefaultApplication::daFileManager:
      found = DefaultEntry("inode/directory");
      break;
    case DefaultApplication::daWebBrowser:
      found = QStandardPaths::findExecutable("x-www-browser");
      if (found.isEmpty()) found = DefaultEntry("x-scheme-handler/https");
      break;
  }
  return found.toStdString();
}

}  // namespace tolvex::platform

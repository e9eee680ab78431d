// "open" on Linux: executables are started directly with their parameters
// split the way a command line is split (never through a shell); everything
// else goes to the desktop's opener.
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/linux/linux_shell.h"

namespace tolvex::platform {

namespace {

QString ExecutableFor(const QString& target) {
  QFileInfo info(target);
  if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
  if (!target.contains('/')) return QStandardPaths::findExecutable(target);
  return {};
}

}  // namespace

bool LinuxShell::Open(const std::string& target, const std::string& parameters,
                      const std::string& workingDir, int /*showCommand*/) {
  const QString qTarget = QString::fromStdString(target);
  if (qTarget.isEmpty()) return false;
  const QString program = ExecutableFor(qTarget);
  if (!program.isEmpty()) {
    return QProcess::startDetached(program,
                                   QProcess::splitCommand(QString::fromStdString(parameters)),
                                   QString::fromStdString(workingDir));
  }
  const QUrl url = QFileInfo::exists(qTarget) ? QUrl::fromLocalFile(qTarget) : QUrl(qTarget);
  return QDesktopServices::openUrl(url);
}

}  // namespace tolvex::platform

// "open" on Linux. A program file (or a name found on PATH) is started
// directly with the parameters split the way a command line is split, never
// through a shell; a desktop entry file runs its Exec line; everything else
// (documents, folders, addresses) goes to the desktop's opener. The show
// command is passed on to the window manager for the started program's
// first window.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>

#include "platform/linux/command_line.h"
#include "platform/linux/desktop_entry.h"
#include "platform/linux/first_window_state.h"
#include "platform/linux/linux_shell.h"

namespace tolvex::platform {

namespace {

constexpr qint64 kMaxDesktopEntrySize = 1 << 20;

QStringList ToQt(const std::vector<std::string>& list) {
  QStringList result;
  for (const std::string& item : list) result << QString::fromStdString(item);
  return result;
}

// A file the system can execute: marked executable and a binary or a script
// with an interpreter line. Documents on file systems that mark every file
// executable are not programs.
bool IsProgramFile(const QFileInfo& info) {
  if (!info.isFile() || !info.isExecutable()) return false;
  QFile file(info.absoluteFilePath());
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(4);
  return head ==
             "\x7f"
             "ELF" ||
         head.startsWith("#!");
}

// The path `target` means: as given when absolute, else relative to the
// working folder (when there is one).
QString Resolve(const QString& target, const QString& workingDir) {
  if (QDir::isAbsolutePath(target) || workingDir.isEmpty()) return target;
  return QDir(workingDir).filePath(target);
}

QString ProgramFor(const QString& target, const QString& workingDir) {
  const QFileInfo info(Resolve(target, workingDir));
  if (IsProgramFile(info)) return info.absoluteFilePath();
  if (!target.contains('/')) return QStandardPaths::findExecutable(target);
  return {};
}

bool Start(const QString& program, const QStringList& arguments, const QString& workingDir,
           int showCommand) {
  qint64 pid = 0;
  if (!QProcess::startDetached(program, arguments, workingDir, &pid)) {
    std::fprintf(stderr, "tolvexBar: \"%s\" lässt sich nicht starten\n", qPrintable(program));
    return false;
  }
  RequestFirstWindowState(pid, showCommand);
  return true;
}

bool OpenWithOpener(const QString& target, const QString& workingDir, int showCommand) {
  const QUrl url = QUrl::fromUserInput(target, workingDir);
  if (!url.isValid()) return false;
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) {
    std::fprintf(stderr, "tolvexBar: xdg-open fehlt, \"%s\" wird ohne es geöffnet\n",
                 qPrintable(target));
    return QDesktopServices::openUrl(url);
  }
  // A local file goes by its absolute path, so that no name is taken for an option.
  return Start(opener, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)},
               workingDir, showCommand);
}

bool OpenDesktopEntry(const QFileInfo& file, const QString& parameters, const QString& workingDir,
                      int showCommand) {
  QFile source(file.absoluteFilePath());
  if (file.size() > kMaxDesktopEntrySize || !source.open(QIODevice::ReadOnly)) return false;
  const DesktopEntry entry = ParseDesktopEntry(source.readAll().toStdString());
  if (entry.type == "Link")
    return OpenWithOpener(QString::fromStdString(entry.url), {}, showCommand);
  if (!entry.type.empty() && entry.type != "Application") return false;
  const auto arguments = ExecArguments(entry, SplitCommandLine(parameters.toStdString()),
                                       file.absoluteFilePath().toStdString());
  if (!arguments) return false;
  QStringList command = ToQt(*arguments);
  if (entry.terminal) {
    const QString terminal = QStandardPaths::findExecutable("x-terminal-emulator");
    if (!terminal.isEmpty()) command = QStringList{terminal, "-e"} + command;
  }
  const QString first = command.takeFirst();
  const QString program = first.contains('/') ? first : QStandardPaths::findExecutable(first);
  if (program.isEmpty()) {
    std::fprintf(stderr, "tolvexBar: \"%s\" aus \"%s\" ist nicht installiert\n", qPrintable(first),
                 qPrintable(file.absoluteFilePath()));
    return false;
  }
  const QString folder = workingDir.isEmpty() ? QString::fromStdString(entry.path) : workingDir;
  return Start(program, command, folder, showCommand);
}

}  // namespace

bool LinuxShell::Open(const std::string& target, const std::string& parameters,
                      const std::string& workingDir, int showCommand) {
  const QString qTarget = QString::fromStdString(target);
  const QString qWorkingDir = QString::fromStdString(workingDir);
  if (qTarget.isEmpty()) return false;
  const QString program = ProgramFor(qTarget, qWorkingDir);
  if (!program.isEmpty()) {
    return Start(program, ToQt(SplitCommandLine(parameters)), qWorkingDir, showCommand);
  }
  const QFileInfo file(Resolve(qTarget, qWorkingDir));
  if (file.isFile() && file.suffix().compare("desktop", Qt::CaseInsensitive) == 0) {
    return OpenDesktopEntry(file, QString::fromStdString(parameters), qWorkingDir, showCommand);
  }
  return OpenWithOpener(qTarget, qWorkingDir, showCommand);
}

}  // namespace tolvex::platform

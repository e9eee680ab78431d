// Single-instance service on Linux.
#include "platform/linux/linux_single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace tolvex::platform {

namespace {

constexpr char kRequest[] = "activate";
// A peer that sends more than this without a line end is not waited for.
constexpr qsizetype kMaxRequest = 64;

// ":0" and ":0.0" are the same display for the bar.
QString DisplayName() {
  QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("WAYLAND_DISPLAY");
  const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
  const qsizetype dot = display.lastIndexOf(u'.');
  const QStringView screen = QStringView(display).sliced(dot + 1);
  if (dot >= 0 && !screen.isEmpty() && std::all_of(screen.begin(), screen.end(), digit))
    display.truncate(dot);
  for (QChar& c : display) {
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    if (!letter && !digit(c) && c != u'_' && c != u'-') c = u'_';
  }
  return display;
}

// The user's own folder below the temporary folder.
QString PrivateTemporaryFolder() {
  return QString("%1/tolvexbar-%2").arg(QDir::tempPath()).arg(::getuid());
}

// Makes the private folder when it is missing; false when a folder of that
// name is not the user's alone (another user could then take the lock away).
bool MakePrivateFolder(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder);
  ::mkdir(path.constData(), 0700);
  struct stat status = {};
  return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// The folders that may hold the lock and the socket, best first.
QStringList LockFolders() {
  QStringList folders;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) folders << runtime;
  folders << PrivateTemporaryFolder();
  return folders;
}

}  // namespace

LinuxSingleInstance::LinuxSingleInstance()
    : name_(QString("tolvexbar-%1-%2").arg(::getuid()).arg(DisplayName())) {
  socket_ = {LockFolders().first() + "/" + name_ + ".socket", false};
}

LinuxSingleInstance::~LinuxSingleInstance() = default;

bool LinuxSingleInstance::Claim() {
  if (claimed_) return true;
  for (const QString& folder : LockFolders()) {
    // The private folder is made only when the runtime folder cannot serve.
    if (folder == PrivateTemporaryFolder() && !MakePrivateFolder(folder)) continue;
    const QString base = folder + "/" + name_;
    auto lock = std::make_unique<QLockFile>(base + ".lock");
    // The lock is held for the life of the process; it goes stale only when
    // its process is gone, never by age.
    lock->setStaleLockTime(0);
    const bool locked = lock->tryLock(0);
    if (locked || lock->error() == QLockFile::LockFailedError) {
      socket_ = {base + ".socket", false};
      if (!locked) return false;
      lock_ = std::move(lock);
      claimed_ = true;
      // Whoever holds the lock owns the socket name: a socket left by a
      // crashed first instance is removed.
      RemoveLocalSocketFile(socket_.name);
      Listen();
      return true;
    }
    // This folder cannot hold a lock (read-only, full): the next one may.
  }
  return ClaimAbstract();
}

bool LinuxSingleInstance::ClaimAbstract() {
  // Binding a name in the abstract namespace succeeds for one process only
  // and needs no folder; the name is freed when the process ends.
  socket_ = {name_, true};
  const int error = Listen();
  if (error == 0) {
    claimed_ = true;
    return true;
  }
  if (error != EADDRINUSE) {
    // No lock anywhere: a second bar writing the same files is worse than
    // none.
    std::fprintf(stderr,
                 "tolvexBar: Es lässt sich nicht feststellen, ob die Leiste schon läuft: "
                 "weder $XDG_RUNTIME_DIR noch %s kann ihre Sperre aufnehmen. "
                 "Damit keine zweite Leiste dieselben Dateien schreibt, startet sie nicht.\n",
                 qPrintable(QDir::tempPath()));
  }
  return false;
}

int LinuxSingleInstance::Listen() {
  server_ = std::make_unique<LocalLineServer>(
      [this](const QByteArray& line) {
        if (line == kRequest) DeliverActivation();
      },
      kMaxRequest);
  const int error = server_->Listen(socket_);
  if (error != 0) server_.reset();
  return error;
}

bool LinuxSingleInstance::ActivateFirst() {
  // The first instance may hold the lock but not listen yet: try for a while.
  return SendToLocalServer(socket_, QByteArray(kRequest) + '\n', 3000);
}

}  // namespace tolvex::platform

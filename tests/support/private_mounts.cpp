// Private mounts for tests that need unwritable or full folders.
#include "support/private_mounts.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <string>

namespace tolvex::test {

namespace {

std::string Path(const QString& folder) {
  return QFile::encodeName(folder).toStdString();
}

}  // namespace

bool EnterPrivateMounts() {
  static const bool entered = [] {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    // Nothing mounted here may reach the machine's own namespace.
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  }();
  return entered;
}

bool MountReadOnly(const QString& folder) {
  const std::string path = Path(folder);
  if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
  return ::mount(nullptr, path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool MountSmallTmpfs(const QString& folder, int kibibytes) {
  const std::string options = "size=" + std::to_string(kibibytes) + "k,mode=0755";
  return ::mount("tmpfs", Path(folder).c_str(), "tmpfs", 0, options.c_str()) == 0;
}

bool Unmount(const QString& folder) {
  return ::umount2(Path(folder).c_str(), MNT_DETACH) == 0;
}

void FillUp(const QString& folder) {
  const std::string path = Path(folder + "/filler");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0) return;
  const std::string block(4096, 'x');
  for (std::size_t size = block.size(); size > 0; size /= 2) {
    while (::write(fd, block.data(), size) == ssize_t(size)) {
    }
  }
  ::close(fd);
}

}  // namespace tolvex::test

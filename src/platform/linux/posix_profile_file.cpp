// Whole-file reads and atomic replacement on POSIX systems.
#include "platform/profile/profile_file.h"
#include "platform/profile/read_to_end.h"
#include "platform/profile/temporary_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>

namespace tolvex::platform::profile {

namespace {

std::int64_t ModifiedNs(const struct stat& st) {
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Close enough to the start of the process: the moment this code was loaded.
const std::int64_t kProcessStartNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::system_clock::now().time_since_epoch())
                                         .count();

FileStamp StampFromStat(const struct stat& st) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = st.st_size;
  stamp.modifiedNs = ModifiedNs(st);
  return stamp;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A symbolic link is followed to the file it names, also when that file does
// not exist yet, so the link survives. Empty for a chain of links without an
// end.
std::string ResolveLink(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<size_t>(length) >= target.size()) return {};
    target.resize(static_cast<size_t>(length));
    current = target.front() == '/' ? target : FolderOf(current, false) + "/" + target;
  }
  return {};
}

// Creates the temporary file with mode 0666, so the umask decides what a new
// file's permissions are, as for any other new file.
int CreateTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = TemporaryNameFor(target, static_cast<std::uint64_t>(::getpid()));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return {};
  return StampFromStat(st);
}

ReadResult ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp) {
  bytes.clear();
  stamp = {};
  const auto missingOrFailed = [] {
    return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
  };
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return missingOrFailed();
  stamp = StampFromStat(st);
  if (!S_ISREG(st.st_mode)) return ReadResult::Failed;
  // Without blocking, in case the file was swapped for a pipe since.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    stamp = {};
    return missingOrFailed();
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadResult::Failed;
  }
  stamp = StampFromStat(st);
  const ReadResult result = ReadToEnd(
      [fd](char* into, std::size_t count) -> std::ptrdiff_t {
        while (true) {
          const ssize_t n = ::read(fd, into, count);
          if (n >= 0 || errno != EINTR) return n;
        }
      },
      static_cast<std::size_t>(st.st_size), limit, bytes);
  ::close(fd);
  return result;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveLink(path);
  if (target.empty()) return false;
  struct stat existing;
  const bool exists = ::lstat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return false;
  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  if (ok && exists) {
    ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
      // Giving the file back to its owner needs privileges; without them it
      // keeps its mode and becomes ours.
      int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
      (void)ignored;
    }
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk only with its folder.
  const int folder = ::open(FolderOf(target, false).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::string target = ResolveLink(path);
  if (target.empty()) return;
  const std::string folder = FolderOf(target, false);
  const std::string name = NameOf(target, false);
  DIR* entries = ::opendir(folder.c_str());
  if (entries == nullptr) return;
  while (const dirent* entry = ::readdir(entries)) {
    if (!IsTemporaryOf(entry->d_name, name)) continue;
    const std::string candidate = folder + "/" + entry->d_name;
    struct stat st;
    if (::lstat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ModifiedNs(st) < kProcessStartNs) {
      ::unlink(candidate.c_str());
    }
  }
  ::closedir(entries);
}

}  // namespace tolvex::platform::profile

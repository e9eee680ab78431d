// Reading the network mounts from mountinfo and dropping them.
#include "platform/linux/network_mounts.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace tolvex::platform {

namespace {

constexpr std::array<std::string_view, 5> kKernelTypes = {"cifs", "smb3", "smbfs", "nfs", "nfs4"};
constexpr std::array<std::string_view, 2> kFuseTypes = {"fuse.sshfs", "fuse.gvfsd-fuse"};
// A tool that hangs on an unreachable server must not hold up the shutdown.
constexpr int kToolTimeoutMs = 5000;

// Spaces, tabs, line breaks and backslashes in paths appear as "\ooo".
std::string Unescaped(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size()) {
      int value = 0;
      const char* begin = text.data() + i + 1;
      const auto [end, error] = std::from_chars(begin, begin + 3, value, 8);
      if (error == std::errc() && end == begin + 3 && value < 256) {
        result += static_cast<char>(value);
        i += 3;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

// The "user_id=" of a FUSE mount's super options.
bool OwnedBy(std::string_view superOptions, unsigned uid) {
  const std::string wanted = "user_id=" + std::to_string(uid);
  std::size_t start = 0;
  while (start <= superOptions.size()) {
    const std::size_t end = std::min(superOptions.find(',', start), superOptions.size());
    if (superOptions.substr(start, end - start) == wanted) return true;
    start = end + 1;
  }
  return false;
}

bool Contains(const auto& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

bool RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(kToolTimeoutMs)) return false;
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished(1000);
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

std::vector<NetworkMount> ParseNetworkMounts(std::string_view mountInfo, unsigned uid) {
  std::vector<NetworkMount> mounts;
  std::size_t start = 0;
  while (start < mountInfo.size()) {
    const std::size_t end = std::min(mountInfo.find('\n', start), mountInfo.size());
    const std::vector<std::string_view> fields = Fields(mountInfo.substr(start, end - start));
    start = end + 1;
    // id parent major:minor root mount-point options [optional…] - type source super-options
    const auto separator = std::find(fields.begin(), fields.end(), "-");
    if (fields.size() < 6 || separator - fields.begin() < 6 || fields.end() - separator < 4) {
      continue;
    }
    const std::string_view type = separator[1];
    const bool network =
        Contains(kKernelTypes, type) || (Contains(kFuseTypes, type) && OwnedBy(separator[3], uid));
    if (network) mounts.push_back({Unescaped(fields[4]), std::string(type)});
  }
  return mounts;
}

std::optional<std::vector<NetworkMount>> ReadNetworkMounts(const std::string& path, unsigned uid) {
  std::ifstream file(path);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return ParseNetworkMounts(text.str(), uid);
}

void Unmount(const NetworkMount& mount) {
  const QString path = QString::fromStdString(mount.mountPoint);
  if (mount.IsDesktopFolder()) {
    const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) RunTool("gio", {"mount", "-u", path + "/" + entry});
  } else if (mount.type.starts_with("fuse.")) {
    if (!RunTool("fusermount3", {"-u", "-z", path})) RunTool("fusermount", {"-u", "-z", path});
  } else if (::geteuid() == 0) {
    ::umount2(mount.mountPoint.c_str(), MNT_FORCE | MNT_DETACH);
  } else {
    // The mount helper lets a user drop the mounts that are marked as theirs.
    RunTool("umount", {"-l", path});
  }
}

}  // namespace tolvex::platform

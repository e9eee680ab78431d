// Reading and atomically replacing whole files, for the private-profile
// engine; each system has its own (linux/posix_profile_file.cpp,
// win32/win32_profile_file.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvex::platform::profile {

// What identifies one version of a file on disk.
struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

enum class ReadResult { Ok, Missing, TooLarge, Failed };
// Reads the whole file into `bytes` unless it is larger than `limit`. Only a
// regular file is opened at all (a named pipe or a device could block or
// never end); anything else fails.
ReadResult ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp);

// Replaces `path` by `bytes` so that a crash leaves either the old or the new
// file, never a torn one: a temporary file in the same folder, written and
// flushed to the disk, then renamed over the target. An existing file keeps
// its permissions (and owner, where allowed); a symbolic link keeps pointing
// at the file it names, which is replaced, or created when it is missing.
// Returns false, with the target untouched, when any step fails or the target
// is not a regular file.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// Removes the temporary files that interrupted replacements of `path` left
// beside it (or beside the file a link names): only names of the pattern
// ReplaceFile uses, and only files older than the running process, so a
// write of another process in progress is left alone.
void RemoveStaleTemporaries(const std::string& path);

}  // namespace tolvex::platform::profile

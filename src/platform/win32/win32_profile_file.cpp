// Whole-file reads and atomic replacement on Windows. Paths are UTF-8 with
// "/" or "\" between their parts.
#include <windows.h>
// The system names its own function so; ours is the one of profile_file.h.
#undef ReplaceFile

#include <chrono>

#include "platform/profile/profile_file.h"
#include "platform/profile/read_to_end.h"
#include "platform/profile/temporary_names.h"
#include "platform/win32/wide_text.h"

namespace tolvex::platform::profile {

namespace {

// Close enough to the start of the process: the moment this code was loaded.
const std::int64_t kProcessStartNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::system_clock::now().time_since_epoch())
                                         .count();

// Windows counts file times in 100 ns from 1601; the stamps count from 1970.
std::int64_t UnixNs(const FILETIME& time) {
  constexpr std::int64_t kEpochDifference = 116444736000000000LL;
  const std::int64_t ticks =
      (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return (ticks - kEpochDifference) * 100;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool ok = ::CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
};

HANDLE OpenForReading(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The stamp of an open file; a folder or a device has none.
bool StampOfHandle(HANDLE file, FileStamp& stamp) {
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  stamp.exists = true;
  stamp.device = info.dwVolumeSerialNumber;
  stamp.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  stamp.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                         info.nFileSizeLow);
  stamp.modifiedNs = UnixNs(info.ftLastWriteTime);
  return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  Handle file(::CreateFileW(Wide(path).c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return {};
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(file.get(), &info)) return {};
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    stamp.exists = true;
    return stamp;
  }
  StampOfHandle(file.get(), stamp);
  return stamp;
}

ReadResult ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp) {
  bytes.clear();
  stamp = {};
  Handle file(OpenForReading(Wide(path)));
  if (!file.valid()) return IsMissing(::GetLastError()) ? ReadResult::Missing : ReadResult::Failed;
  if (!StampOfHandle(file.get(), stamp)) {
    stamp = StampOf(path);
    return ReadResult::Failed;
  }
  return ReadToEnd(
      [&file](char* into, std::size_t count) -> std::ptrdiff_t {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        return ::ReadFile(file.get(), into, chunk, &read, nullptr) ? std::ptrdiff_t(read) : -1;
      },
      static_cast<std::size_t>(stamp.size), limit, bytes);
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::wstring target = Wide(path);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  std::wstring temporary;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = Wide(TemporaryNameFor(path, ::GetCurrentProcessId()));
    created = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  Handle file(created);
  if (!file.valid()) return false;
  bool ok = WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  ok = file.Close() && ok;
  // An existing file keeps its attributes and security through ReplaceFileW
  // (a read-only one refuses, as the system's own profile functions do).
  if (ok && exists) {
    ok = ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  } else if (ok) {
    ok = ::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) ::DeleteFileW(temporary.c_str());
  return ok;
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path, true);
  const std::string name = NameOf(path, true);
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(Wide(folder + "\\" + name + ".tmp-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string candidate = Utf8(found.cFileName);
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsTemporaryOf(candidate, name) && UnixNs(found.ftLastWriteTime) < kProcessStartNs) {
      ::DeleteFileW(Wide(folder + "\\" + candidate).c_str());
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

}  // namespace tolvex::platform::profile

// What the tests of the Win32 back ends share: a private temporary folder
// and small file helpers, with UTF-8 paths as the services take them.
#pragma once

#include <string>

namespace tolvex::platform::testing {

// A new empty folder in the temporary folder, removed with its contents at
// the end of the scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path (no trailing separator).
  const std::string& Path() const { return path_; }
  // The path of `name` in the folder.
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Writes `bytes` to `path`, replacing it; false when it cannot.
bool WriteFile(const std::string& path, const std::string& bytes);
// The contents of `path`; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Whether `path` exists.
bool Exists(const std::string& path);

}  // namespace tolvex::platform::testing

// The dynamic-library service on Windows: the system loader, the import
// directory read from the file, and the modules of the calling thread's
// stack.
#pragma once

#include <map>
#include <set>

#include "platform/libraries.h"

namespace tolvex::platform {

class Win32Libraries : public ILibraries {
 public:
  LibraryHandle Load(const std::string& path, std::string& error) override;
  void* Symbol(LibraryHandle library, const std::string& name) override;
  void Unload(LibraryHandle library) override;
  bool IsLoaded(const std::string& fileName) override;
  bool NeededLibraries(const std::string& path, std::vector<std::string>& needed,
                       std::string& error) override;
  bool IsRunning(LibraryHandle library) override;

 private:
  // How often each module was loaded by this service and not released yet.
  std::map<LibraryHandle, int> loads_;
  // Modules this service has released completely: the system may keep them
  // mapped (another user holds them), yet they no longer count as loaded.
  std::set<LibraryHandle> released_;
};

}  // namespace tolvex::platform

// Dynamic libraries on Linux: dlopen/dlsym/dlclose, the loaded objects of
// the process from dl_iterate_phdr, the needed libraries from the ELF file's
// dynamic section, and the running code from a backtrace.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/libraries.h"

namespace tolvex::platform {

class LinuxLibraries : public ILibraries {
 public:
  LibraryHandle Load(const std::string& path, std::string& error) override;
  void* Symbol(LibraryHandle library, const std::string& name) override;
  void Unload(LibraryHandle library) override;
  bool IsLoaded(const std::string& fileName) override;
  bool NeededLibraries(const std::string& path, std::vector<std::string>& needed,
                       std::string& error) override;
  bool IsRunning(LibraryHandle library) override;

 private:
  // dlclose does not always unmap a library (RTLD_NODELETE, or GCC's unique
  // symbols in C++ code); such a library, once released here, must not make
  // the next load of the same file look like a duplicate.
  std::multimap<LibraryHandle, std::string> loaded_;  // one entry per Load: canonical path
  std::set<std::string> released_;                    // canonical paths
};

}  // namespace tolvex::platform

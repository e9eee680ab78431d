// Simulated dynamic libraries: the real loader (a plug-in is code of the
// test's own making), with every load and unload recorded.
#pragma once

#include "platform/linux/linux_libraries.h"

namespace tolvex::platform::sim {

class SimLibraries : public LinuxLibraries {
 public:
  LibraryHandle Load(const std::string& path, std::string& error) override;
  void Unload(LibraryHandle library) override;

 private:
  std::multimap<LibraryHandle, std::string> paths_;
};

}  // namespace tolvex::platform::sim

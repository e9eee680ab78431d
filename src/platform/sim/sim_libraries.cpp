// Simulated dynamic libraries.
#include "platform/sim/sim_libraries.h"

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

LibraryHandle SimLibraries::Load(const std::string& path, std::string& error) {
  LibraryHandle library = LinuxLibraries::Load(path, error);
  Log("libraries", "load", {path, library != nullptr ? "ok" : "failed"});
  if (library != nullptr) paths_.emplace(library, path);
  return library;
}

void SimLibraries::Unload(LibraryHandle library) {
  const auto entry = paths_.find(library);
  if (entry != paths_.end()) {
    Log("libraries", "unload", {entry->second});
    paths_.erase(entry);
  }
  LinuxLibraries::Unload(library);
}

}  // namespace tolvex::platform::sim

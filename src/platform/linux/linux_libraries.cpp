// Dynamic libraries on Linux.
#include "platform/linux/linux_libraries.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace tolvex::platform {

namespace {

std::string Canonical(const std::string& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::canonical(path, error);
  return error ? path : canonical.string();
}

// The paths of every object mapped in the process whose file name is `fileName`.
std::vector<std::string> MappedObjects(const std::string& fileName) {
  struct Search {
    const std::string* fileName;
    std::vector<std::string> found;
  } search{&fileName, {}};
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) {
        auto* s = static_cast<Search*>(data);
        if (info->dlpi_name == nullptr || *info->dlpi_name == '\0') return 0;
        const std::string path(info->dlpi_name);
        if (std::filesystem::path(path).filename() == *s->fileName) s->found.push_back(path);
        return 0;
      },
      &search);
  return search.found;
}

}  // namespace

LibraryHandle LinuxLibraries::Load(const std::string& path) {
  LibraryHandle library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  const std::string canonical = Canonical(path);
  loaded_.emplace(library, canonical);
  released_.erase(canonical);
  return library;
}

void* LinuxLibraries::Symbol(LibraryHandle library, const std::string& name) {
  return library != nullptr ? dlsym(library, name.c_str()) : nullptr;
}

void LinuxLibraries::Unload(LibraryHandle library) {
  const auto entry = loaded_.find(library);
  if (entry == loaded_.end()) return;
  const std::string canonical = entry->second;
  loaded_.erase(entry);
  // dlopen of one file twice gives the same handle with a reference count.
  dlclose(library);
  const bool stillHeld = std::any_of(loaded_.begin(), loaded_.end(),
                                     [&](const auto& held) { return held.second == canonical; });
  if (!stillHeld) released_.insert(canonical);
}

bool LinuxLibraries::IsLoaded(const std::string& fileName) {
  if (fileName.empty()) return false;
  for (const std::string& path : MappedObjects(fileName)) {
    if (released_.count(Canonical(path)) == 0) return true;
  }
  return false;
}

}  // namespace tolvex::platform

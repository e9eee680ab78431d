// Dynamic libraries on Linux.
#include "platform/linux/linux_libraries.h"

#include <dlfcn.h>
#include <execinfo.h>
#include <link.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/linux/elf_dependencies.h"

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

LibraryHandle LinuxLibraries::Load(const std::string& path, std::string& error) {
  LibraryHandle library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    error = reason != nullptr ? reason : "the loader gave no reason";
    return nullptr;
  }
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

bool LinuxLibraries::NeededLibraries(const std::string& path, std::vector<std::string>& needed,
                                     std::string& error) {
  icons::FileSource file(path);
  if (!file.IsOpen()) {
    error = "cannot be read";
    return false;
  }
  ElfDependencies dependencies = ReadElfDependencies(file);
  error = dependencies.error;
  needed = std::move(dependencies.needed);
  return error.empty();
}

bool LinuxLibraries::IsRunning(LibraryHandle library) {
  link_map* wanted = nullptr;
  if (library == nullptr || dlinfo(library, RTLD_DI_LINKMAP, &wanted) != 0) return false;
  // Deep enough for any stack of event handlers and nested event loops.
  constexpr int kFrames = 512;
  void* frames[kFrames];
  const int count = backtrace(frames, kFrames);
  for (int i = 0; i < count; ++i) {
    Dl_info info;
    link_map* object = nullptr;
    // A return address points just past its call, possibly at the next
    // function: the byte before it lies inside the caller.
    void* inside = static_cast<char*>(frames[i]) - 1;
    if (dladdr1(inside, &info, reinterpret_cast<void**>(&object), RTLD_DL_LINKMAP) != 0 &&
        object == wanted) {
      return true;
    }
  }
  return false;
}

}  // namespace tolvex::platform

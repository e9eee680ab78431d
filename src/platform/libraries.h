// The dynamic-library service: load a library, look up an export by name,
// unload it, and ask whether a library of a given file name is already in the
// process (the snap-in host loads each plug-in file name at most once). It
// also reads which libraries a file needs before anything of it is loaded,
// and tells whether a library's code is running on the calling thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tolvex::platform {

// A loaded library; nullptr is none.
using LibraryHandle = void*;

class ILibraries {
 public:
  virtual ~ILibraries() = default;

  // Loads the library at `path` (UTF-8) with all its symbols bound at once;
  // nullptr when it cannot be loaded, with the loader's reason in `error`.
  virtual LibraryHandle Load(const std::string& path, std::string& error) = 0;
  // The export `name` of `library`, or nullptr.
  virtual void* Symbol(LibraryHandle library, const std::string& name) = 0;
  // Releases a handle returned by Load.
  virtual void Unload(LibraryHandle library) = 0;
  // True when a library whose file name (without folder) equals `fileName`
  // is loaded in the process, by this service or by any other means. A
  // library this service loaded and has released since does not count, even
  // when the system keeps it mapped.
  virtual bool IsLoaded(const std::string& fileName) = 0;
  // The file names of the libraries the file at `path` needs, read from the
  // file without running any of it. False, with the reason in `error`, when
  // the file is not a library of this platform or cannot be read.
  virtual bool NeededLibraries(const std::string& path, std::vector<std::string>& needed,
                               std::string& error) = 0;
  // True when code of `library` is on the calling thread's stack, that is
  // when the library called (directly or through others) the code asking.
  virtual bool IsRunning(LibraryHandle library) = 0;
};

// The back end chosen at start.
ILibraries& Libraries();
// Replaces it (tests); nullptr returns to the default choice.
void SetLibraries(std::unique_ptr<ILibraries> libraries);

}  // namespace tolvex::platform

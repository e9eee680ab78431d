#include "platform/win32/win32_libraries.h"

#include <windows.h>

#include "platform/icons/pe_imports.h"
#include "platform/win32/wide_text.h"

namespace tolvex::platform {

namespace {

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = length > 0 ? Utf8(std::wstring(text, length)) : std::string();
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.'))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

bool IsAbsolute(const std::wstring& path) {
  return (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
         (path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') &&
          (path[1] == L'\\' || path[1] == L'/'));
}

// The file name of a module path, without its folder.
std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

LibraryHandle Win32Libraries::Load(const std::string& path, std::string& error) {
  std::wstring native = Wide(path);
  for (wchar_t& c : native)
    if (c == L'/') c = L'\\';
  // An absolute path looks for the library's own needs in its folder first.
  const DWORD flags = IsAbsolute(native) ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
  // No message box of the system for a missing needed library.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryExW(native.c_str(), nullptr, flags);
  const DWORD code = GetLastError();
  SetErrorMode(oldMode);
  if (module == nullptr) {
    error = SystemMessage(code);
    return nullptr;
  }
  error.clear();
  ++loads_[module];
  released_.erase(module);
  return module;
}

void* Win32Libraries::Symbol(LibraryHandle library, const std::string& name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
}

void Win32Libraries::Unload(LibraryHandle library) {
  if (library == nullptr) return;
  const auto load = loads_.find(library);
  if (load != loads_.end() && --load->second == 0) {
    loads_.erase(load);
    released_.insert(library);
  }
  FreeLibrary(static_cast<HMODULE>(library));
}

bool Win32Libraries::IsLoaded(const std::string& fileName) {
  if (fileName.empty()) return false;
  HMODULE module = GetModuleHandleW(Wide(fileName).c_str());
  if (module == nullptr) return false;
  // The system finds a module by its name alone; the name must be the file
  // name of the module it found (not a module of another name it maps to).
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH ||
      CompareStringOrdinal(FileNameOf(std::wstring(path, length)).c_str(), -1,
                           Wide(fileName).c_str(), -1, TRUE) != CSTR_EQUAL)
    return false;
  return !released_.contains(module);
}

bool Win32Libraries::NeededLibraries(const std::string& path, std::vector<std::string>& needed,
                                     std::string& error) {
  needed.clear();
  icons::FileSource source(path);
  if (!source.IsOpen()) {
    error = "cannot read " + path;
    return false;
  }
  std::optional<std::vector<std::string>> libraries = icons::PeImportedLibraries(source);
  if (!libraries) {
    error = path + " is no Windows program or library";
    return false;
  }
  needed = std::move(*libraries);
  error.clear();
  return true;
}

bool Win32Libraries::IsRunning(LibraryHandle library) {
  if (library == nullptr) return false;
  constexpr ULONG kMaxFrames = 256;
  void* frames[kMaxFrames];
  const USHORT count = RtlCaptureStackBackTrace(0, kMaxFrames, frames, nullptr);
  for (USHORT i = 0; i < count; ++i) {
    HMODULE module = nullptr;
    if (GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(frames[i]), &module) &&
        module == library)
      return true;
  }
  return false;
}

}  // namespace tolvex::platform

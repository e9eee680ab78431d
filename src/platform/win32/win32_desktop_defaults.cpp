#include "platform/win32/win32_desktop_defaults.h"

#include <windows.h>
#include <shlwapi.h>

#include "platform/win32/wide_text.h"

namespace tolvex::platform {

namespace {

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string IfFile(const std::wstring& path) {
  return !path.empty() && IsFile(path) ? Utf8(path) : std::string();
}

std::wstring CommandInterpreter() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"ComSpec", buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::wstring FileManager() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(buffer, length) + L"\\explorer.exe";
}

std::wstring WebBrowser() {
  wchar_t buffer[MAX_PATH];
  DWORD length = MAX_PATH;
  if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L"http", L"open", buffer, &length) !=
      S_OK)
    return {};
  return buffer;
}

}  // namespace

std::string Win32DesktopDefaults::Find(DefaultApplication which) {
  switch (which) {
    case DefaultApplication::daTerminal:
      return IfFile(CommandInterpreter());
    case DefaultApplication::daFileManager:
      return IfFile(FileManager());
    case DefaultApplication::daWebBrowser:
      return IfFile(WebBrowser());
  }
  return {};
}

}  // namespace tolvex::platform

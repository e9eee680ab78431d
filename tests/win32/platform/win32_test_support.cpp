#include "win32_test_support.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win32/wide_text.h"

namespace tolvex::platform::testing {

namespace {

std::filesystem::path Native(const std::string& path) {
  return std::filesystem::path(Wide(path));
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, base);
  std::wstring folder(base, length);
  static int count = 0;
  folder += L"tolvex-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++count) + L"-" + std::to_wstring(GetTickCount64());
  std::filesystem::create_directories(folder);
  path_ = Utf8(folder);
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(Native(path_), error);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(Native(path), std::ios::binary | std::ios::trunc);
  file << bytes;
  return bool(file);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(Native(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(Native(path), error);
}

}  // namespace tolvex::platform::testing

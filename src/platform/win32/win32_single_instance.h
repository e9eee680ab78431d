// Single-instance service on Windows: a named mutex of the user's session
// decides which start is first; the first keeps a hidden message window
// that later starts find by its class name and post a registered message to.
#pragma once

#include <cstdint>
#include <string>

#include "platform/single_instance.h"

namespace tolvex::platform {

class Win32SingleInstance : public ISingleInstance {
 public:
  // `name` tells bars apart that must not meet (tests use their own).
  explicit Win32SingleInstance(std::wstring name = L"tolvexbar");
  ~Win32SingleInstance() override;
  Win32SingleInstance(const Win32SingleInstance&) = delete;
  Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

  bool Claim() override;
  bool ActivateFirst() override;

 private:
  static std::intptr_t __stdcall WindowProc(void* window, unsigned message, std::uintptr_t wParam,
                                            std::intptr_t lParam);

  std::wstring name_;
  std::wstring className_;
  unsigned request_ = 0;
  void* mutex_ = nullptr;
  void* window_ = nullptr;
  bool claimed_ = false;
};

}  // namespace tolvex::platform

#include "platform/win32/win32_single_instance.h"

#include <windows.h>

namespace tolvex::platform {

Win32SingleInstance::Win32SingleInstance(std::wstring name)
    : name_(std::move(name)),
      className_(name_ + L".FirstInstance"),
      request_(RegisterWindowMessageW((name_ + L".Activate").c_str())) {}

Win32SingleInstance::~Win32SingleInstance() {
  if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
  if (claimed_) UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool Win32SingleInstance::Claim() {
  if (claimed_) return true;
  // "Local\" keeps the name to the user's session.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_ + L".Instance").c_str());
  if (mutex == nullptr) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  mutex_ = mutex;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = reinterpret_cast<WNDPROC>(&Win32SingleInstance::WindowProc);
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className_.c_str();
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(0, className_.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  if (window != nullptr) SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(this));
  window_ = window;
  claimed_ = true;
  return true;
}

bool Win32SingleInstance::ActivateFirst() {
  HWND first = FindWindowExW(HWND_MESSAGE, nullptr, className_.c_str(), nullptr);
  if (first == nullptr) return false;
  // The first instance may then bring its window to the front.
  DWORD process = 0;
  GetWindowThreadProcessId(first, &process);
  AllowSetForegroundWindow(process);
  return PostMessageW(first, request_, 0, 0) != FALSE;
}

std::intptr_t __stdcall Win32SingleInstance::WindowProc(void* window, unsigned message,
                                                        std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
  HWND handle = static_cast<HWND>(window);
  auto* self = reinterpret_cast<Win32SingleInstance*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (self != nullptr && message == self->request_) {
    self->DeliverActivation();
    return 0;
  }
  return DefWindowProcW(handle, message, wParam, lParam);
}

}  // namespace tolvex::platform

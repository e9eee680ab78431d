// Screen, work area and metrics of the primary monitor.
#include "platform/win32/win32_desktop.h"

#include <windows.h>

namespace tolvex::platform {

Rect Win32Desktop::ScreenRect() {
  return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

Rect Win32Desktop::WorkArea() {
  RECT area;
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return ScreenRect();
  return {area.left, area.top, area.right, area.bottom};
}

int Win32Desktop::Metric(SystemMetric metric) {
  int index = -1;
  switch (metric) {
    case SystemMetric::BorderWidth: index = SM_CXBORDER; break;
    case SystemMetric::BorderHeight: index = SM_CYBORDER; break;
    case SystemMetric::DoubleClickWidth: index = SM_CXDOUBLECLK; break;
    case SystemMetric::DoubleClickHeight: index = SM_CYDOUBLECLK; break;
    case SystemMetric::VScrollWidth: index = SM_CXVSCROLL; break;
    case SystemMetric::HScrollHeight: index = SM_CYHSCROLL; break;
    case SystemMetric::HScrollArrowWidth: index = SM_CXHSCROLL; break;
  }
  const int value = ::GetSystemMetrics(index);
  return value > 0 ? value : DefaultMetric(metric);
}

bool Win32Desktop::FullWindowDrag() {
  BOOL full = TRUE;
  ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  return full != FALSE;
}

bool Win32Desktop::IsKeyDown(Key key) {
  int virtualKey = 0;
  switch (key) {
    case Key::Shift: virtualKey = VK_SHIFT; break;
    case Key::Control: virtualKey = VK_CONTROL; break;
    case Key::Alt: virtualKey = VK_MENU; break;
    // The physical buttons: the left one is the right one for a left-handed user.
    case Key::LeftButton:
      virtualKey = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
      break;
    case Key::RightButton:
      virtualKey = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_LBUTTON : VK_RBUTTON;
      break;
  }
  return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

Point Win32Desktop::CursorPos() {
  POINT p{0, 0};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

std::int64_t Win32Desktop::TickCount() {
  return static_cast<std::int64_t>(::GetTickCount64());
}

}  // namespace tolvex::platform

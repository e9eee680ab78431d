// The desktop toolbar through the shell's application-bar messages.
#include "platform/win32/win32_desktop_toolbar.h"

#include <windows.h>
#include <shellapi.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

namespace tolvex::platform {

namespace {

HWND Hwnd(WindowId window) {
  return reinterpret_cast<HWND>(window);
}

APPBARDATA Data(WindowId window, int edge = ABE_LEFT, const Rect& rect = {}) {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = Hwnd(window);
  // The shell knows the four edges only; a call that names none reserves
  // nothing at the left.
  data.uEdge = edge >= ABE_LEFT && edge <= ABE_BOTTOM ? UINT(edge) : ABE_LEFT;
  data.rc = {rect.left, rect.top, rect.right, rect.bottom};
  return data;
}

Rect RectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// The Qt window of a native window, when the program has one.
QWindow* QtWindowOf(WindowId window) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
  for (QWindow* candidate : QGuiApplication::topLevelWindows())
    if (candidate->handle() != nullptr && candidate->winId() == window) return candidate;
  return nullptr;
}

bool IsEdge(int edge) {
  return edge >= ABE_LEFT && edge <= ABE_BOTTOM;
}

}  // namespace

Win32DesktopToolbar::Win32DesktopToolbar()
    : callbackMessage_(RegisterWindowMessageW(L"tolvexbar.DesktopToolbar")) {}

Win32DesktopToolbar::~Win32DesktopToolbar() {
  for (const auto& bar : bars_) {
    APPBARDATA data = Data(bar.first);
    SHAppBarMessage(ABM_REMOVE, &data);
  }
  if (filterInstalled_ && QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void Win32DesktopToolbar::InstallFilter() {
  if (filterInstalled_ || QCoreApplication::instance() == nullptr) return;
  QCoreApplication::instance()->installNativeEventFilter(this);
  filterInstalled_ = true;
}

bool Win32DesktopToolbar::New(WindowId window, ToolbarCallback callback) {
  if (window == 0 || bars_.contains(window)) return false;
  APPBARDATA data = Data(window);
  data.uCallbackMessage = callbackMessage_;
  if (!SHAppBarMessage(ABM_NEW, &data)) return false;
  bars_[window] = std::move(callback);
  InstallFilter();
  return true;
}

bool Win32DesktopToolbar::Remove(WindowId window) {
  if (bars_.erase(window) == 0) return false;
  APPBARDATA data = Data(window);
  SHAppBarMessage(ABM_REMOVE, &data);
  return true;
}

void Win32DesktopToolbar::QueryPos(WindowId window, int edge, Rect& rect) {
  APPBARDATA data = Data(window, edge, rect);
  if (SHAppBarMessage(ABM_QUERYPOS, &data)) rect = RectOf(data.rc);
}

void Win32DesktopToolbar::SetPos(WindowId window, int edge, Rect& rect) {
  // No edge or an empty rectangle: an empty reservation, which holds nothing.
  const bool reserves = IsEdge(edge) && rect.Width() > 0 && rect.Height() > 0;
  APPBARDATA data = Data(window, edge, reserves ? rect : Rect{});
  if (SHAppBarMessage(ABM_SETPOS, &data) && reserves) rect = RectOf(data.rc);
}

WindowId Win32DesktopToolbar::GetAutoHideBar(int edge) {
  if (!IsEdge(edge)) return 0;
  APPBARDATA data = Data(0, edge);
  return WindowId(SHAppBarMessage(ABM_GETAUTOHIDEBAR, &data));
}

bool Win32DesktopToolbar::SetAutoHideBar(WindowId window, int edge, bool on) {
  if (!IsEdge(edge)) return false;
  APPBARDATA data = Data(window, edge);
  data.lParam = on ? TRUE : FALSE;
  return SHAppBarMessage(ABM_SETAUTOHIDEBAR, &data) != 0;
}

void Win32DesktopToolbar::Activate(WindowId window) {
  APPBARDATA data = Data(window);
  SHAppBarMessage(ABM_ACTIVATE, &data);
}

void Win32DesktopToolbar::WindowPosChanged(WindowId window) {
  APPBARDATA data = Data(window);
  SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
}

void Win32DesktopToolbar::SetZOrder(WindowId window, ToolbarZOrder order) {
  HWND after = HWND_NOTOPMOST;
  if (order == ToolbarZOrder::TopMost) after = HWND_TOPMOST;
  if (order == ToolbarZOrder::Bottom) after = HWND_BOTTOM;
  SetWindowPos(Hwnd(window), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32DesktopToolbar::SetCaption(WindowId window, bool caption) {
  // Through Qt where the window is Qt's: Qt keeps the frame it places the
  // window by, which a style changed behind its back would leave stale.
  if (QWindow* qtWindow = QtWindowOf(window)) {
    qtWindow->setFlag(Qt::FramelessWindowHint, !caption);
    return;
  }
  constexpr LONG_PTR kFloating = WS_CAPTION | WS_SYSMENU;
  const LONG_PTR style = GetWindowLongPtrW(Hwnd(window), GWL_STYLE);
  const LONG_PTR wanted = caption ? style | kFloating : style & ~(kFloating | WS_THICKFRAME);
  if (wanted == style) return;
  SetWindowLongPtrW(Hwnd(window), GWL_STYLE, wanted);
  SetWindowPos(Hwnd(window), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32DesktopToolbar::SetTaskEntry(WindowId window, bool shown) {
  const LONG_PTR style = GetWindowLongPtrW(Hwnd(window), GWL_EXSTYLE);
  const LONG_PTR wanted = shown ? (style | WS_EX_APPWINDOW) & ~LONG_PTR(WS_EX_TOOLWINDOW)
                                : (style | WS_EX_TOOLWINDOW) & ~LONG_PTR(WS_EX_APPWINDOW);
  if (wanted == style) return;
  // The task list reads the styles when a window is shown.
  const bool visible = IsWindowVisible(Hwnd(window));
  if (visible) ShowWindow(Hwnd(window), SW_HIDE);
  SetWindowLongPtrW(Hwnd(window), GWL_EXSTYLE, wanted);
  if (visible) ShowWindow(Hwnd(window), SW_SHOWNA);
}

// The frame the window's styles give it, known to the system at once even
// while the toolkit still keeps the frame the window had before.
std::optional<FrameExtents> Win32DesktopToolbar::Frame(WindowId window) {
  const HWND hwnd = Hwnd(window);
  if (!IsWindow(hwnd)) return std::nullopt;
  RECT frame{0, 0, 0, 0};
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  if (!AdjustWindowRectEx(&frame, style, FALSE, exStyle)) return std::nullopt;
  return FrameExtents{-frame.left, -frame.top, frame.right, frame.bottom};
}

bool Win32DesktopToolbar::HandleMessage(WindowId window, unsigned message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
  if (message != callbackMessage_) return false;
  const auto bar = bars_.find(window);
  if (bar == bars_.end()) return false;
  // A copy: the callback may remove the bar.
  const ToolbarCallback callback = bar->second;
  if (!callback) return true;
  switch (wParam) {
    case ABN_POSCHANGED:
      callback(ToolbarPositionChanged, false);
      break;
    case ABN_FULLSCREENAPP:
      callback(ToolbarFullScreenApp, lParam != 0);
      break;
    case ABN_WINDOWARRANGE:
      callback(ToolbarWindowsArranged, lParam != 0);
      break;
    default:
      break;
  }
  return true;
}

bool Win32DesktopToolbar::nativeEventFilter(const QByteArray& eventType, void* message,
                                            qintptr* result) {
  if (!eventType.startsWith("windows_") || message == nullptr) return false;
  const MSG* msg = static_cast<const MSG*>(message);
  if (!HandleMessage(WindowId(msg->hwnd), msg->message, msg->wParam, msg->lParam)) return false;
  if (result != nullptr) *result = 0;
  return true;
}

}  // namespace tolvex::platform

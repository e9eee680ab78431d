// The desktop-toolbar service on Windows: the shell's application-bar
// messages. The shell's notifications arrive as a registered message at the
// bar's window; a native event filter of the application hands them to the
// bar's callback.
#pragma once

#include <QAbstractNativeEventFilter>
#include <map>

#include "platform/desktop_toolbar.h"

namespace tolvex::platform {

class Win32DesktopToolbar : public IDesktopToolbar, private QAbstractNativeEventFilter {
 public:
  Win32DesktopToolbar();
  ~Win32DesktopToolbar() override;
  Win32DesktopToolbar(const Win32DesktopToolbar&) = delete;
  Win32DesktopToolbar& operator=(const Win32DesktopToolbar&) = delete;

  bool New(WindowId window, ToolbarCallback callback) override;
  bool Remove(WindowId window) override;
  void QueryPos(WindowId window, int edge, Rect& rect) override;
  void SetPos(WindowId window, int edge, Rect& rect) override;
  WindowId GetAutoHideBar(int edge) override;
  bool SetAutoHideBar(WindowId window, int edge, bool on) override;
  void Activate(WindowId window) override;
  void WindowPosChanged(WindowId window) override;
  void SetZOrder(WindowId window, ToolbarZOrder order) override;
  void SetCaption(WindowId window, bool caption) override;
  void SetTaskEntry(WindowId window, bool shown) override;
  std::optional<FrameExtents> Frame(WindowId window) override;

  // The message the shell's notifications come with.
  unsigned CallbackMessage() const { return callbackMessage_; }
  // Hands a notification message to the callback of its window; true when
  // it was one. The event filter calls it for every message.
  bool HandleMessage(WindowId window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam);

 private:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  void InstallFilter();

  unsigned callbackMessage_;
  std::map<WindowId, ToolbarCallback> bars_;
  bool filterInstalled_ = false;
};

}  // namespace tolvex::platform

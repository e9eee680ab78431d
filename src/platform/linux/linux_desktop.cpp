// Desktop service on Linux through Qt.
#include "platform/linux/linux_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <chrono>

#ifdef TOLVEX_HAVE_X11
#include "platform/x11/x11_connection.h"
#endif

namespace tolvex::platform {

namespace {

Rect FromQRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QScreen* PrimaryScreen() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
             ? QGuiApplication::primaryScreen()
             : nullptr;
}

}  // namespace

Rect LinuxDesktop::ScreenRect() {
  QScreen* screen = PrimaryScreen();
  return screen ? FromQRect(screen->geometry()) : Rect{0, 0, 1024, 768};
}

Rect LinuxDesktop::WorkArea() {
  QScreen* screen = PrimaryScreen();
  return screen ? FromQRect(screen->availableGeometry()) : ScreenRect();
}

int LinuxDesktop::Metric(SystemMetric metric) {
  return DefaultMetric(metric);
}

bool LinuxDesktop::FullWindowDrag() {
  return true;
}

bool LinuxDesktop::IsKeyDown(Key key) {
  if (!PrimaryScreen()) return false;
#ifdef TOLVEX_HAVE_X11
  // The X server knows the buttons also while the window manager holds the
  // pointer (a floating bar dragged by its caption); Qt does not.
  if (auto mask = x11::PointerMask()) {
    switch (key) {
      case Key::Shift:
        return *mask & XCB_MOD_MASK_SHIFT;
      case Key::Control:
        return *mask & XCB_MOD_MASK_CONTROL;
      case Key::Alt:
        return *mask & XCB_MOD_MASK_1;
      case Key::LeftButton:
        return *mask & XCB_BUTTON_MASK_1;
      case Key::RightButton:
        return *mask & XCB_BUTTON_MASK_3;
    }
  }
#endif
  switch (key) {
    case Key::Shift:
      return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    case Key::Control:
      return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
    case Key::Alt:
      return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier;
    case Key::LeftButton:
      return QGuiApplication::mouseButtons() & Qt::LeftButton;
    case Key::RightButton:
      return QGuiApplication::mouseButtons() & Qt::RightButton;
  }
  return false;
}

Point LinuxDesktop::CursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

std::int64_t LinuxDesktop::TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace tolvex::platform

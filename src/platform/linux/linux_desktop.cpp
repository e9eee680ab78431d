// Desktop service on Linux through Qt.
#include "platform/linux/linux_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

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

}  // namespace tolvex::platform

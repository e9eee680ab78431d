// The main-window registry.
#include "shared/main_window.h"

#include <QPointer>
#include <QWidget>

namespace tolvex {

namespace {
QPointer<QWidget>& Registered() {
  static QPointer<QWidget> window;
  return window;
}
}  // namespace

QWidget* MainWindow() {
  return Registered().data();
}

void SetMainWindow(QWidget* window) {
  Registered() = window;
}

}  // namespace tolvex

// Running the real binary on a private X display: the sanitizer options it
// can run under there, and waiting for its bar window.
#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {

// ASan's strict string checks abort in Qt's X11 keyboard set-up.
inline QString BarAsanOptions() {
  QStringList options = qEnvironmentVariable("ASAN_OPTIONS").split(':', Qt::SkipEmptyParts);
  options.removeIf([](const QString& option) { return option.startsWith("strict_string_checks"); });
  options << "detect_leaks=0";
  return options.join(':');
}

// The bar's window id once it is mapped; empty when it never is.
inline QString WaitForBarWindow(const XvfbSession& display) {
  QString id;
  WaitUntil([&] {
    id = display.Run("xdotool", {"search", "--onlyvisible", "--name", "^TolvexBar"})
             .split('\n', Qt::SkipEmptyParts)
             .value(0);
    return !id.isEmpty();
  });
  // The placement settles once the event loop runs.
  QThread::msleep(500);
  return id;
}

}  // namespace tolvex::test

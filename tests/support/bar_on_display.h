// Running the real binary on a private X display: waiting for its bar window
// and reading where it stands.
#pragma once

#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QThread>

#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {

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

// The client area of window `id` on the screen, as xwininfo reports it.
inline QRect ClientArea(const XvfbSession& display, const QString& id) {
  const QString info = display.Run("xwininfo", {"-id", id});
  const auto value = [&](const QString& key) {
    const QRegularExpression re(key + ":\\s+(-?\\d+)");
    return re.match(info).captured(1).toInt();
  };
  return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
          value("Height")};
}

}  // namespace tolvex::test

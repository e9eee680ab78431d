// Running the real binary on a private X display: waiting for its bar window.
#pragma once

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

}  // namespace tolvex::test

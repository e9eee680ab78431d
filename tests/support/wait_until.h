// Waiting in tests of other processes (the real binary, X clients): polls a
// condition until it holds or the time is up, without running this
// process's event loop.
#pragma once

#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace tolvex::test {

inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 15000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  return true;
}

}  // namespace tolvex::test

// Session watch on Linux. The end of the session reaches a program as a
// signal: SIGTERM (logout, the service manager, `kill`), SIGHUP (the
// controlling terminal or session went away) or SIGINT (Ctrl+C in the
// terminal it was started from). The signal handler only writes a byte to a
// pipe; the user-interface thread reads it and runs the handler.
//
// The toolkit ends the process with exit() when the display connection
// breaks; an exit handler hands that moment to the program, before the
// program's own static objects (the single-instance lock among them) go.
#pragma once

#include <memory>

#include "platform/session_watch.h"

class QSocketNotifier;

namespace tolvex::platform {

class LinuxSessionWatch : public ISessionWatch {
 public:
  LinuxSessionWatch();
  ~LinuxSessionWatch() override;
  void Watch(std::function<void()> onEnd, std::function<void()> onDisplayLost) override;

 private:
  void InstallSignals(bool on);
  static void AtExit();

  std::function<void()> onEnd_;
  std::function<void()> onDisplayLost_;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  bool signalsInstalled_ = false;
};

}  // namespace tolvex::platform

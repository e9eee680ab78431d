// Session watch on Linux.
#include "platform/linux/linux_session_watch.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace tolvex::platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the pipe of the watch in use, for the signal handler.
volatile sig_atomic_t signalPipe = -1;
LinuxSessionWatch* current = nullptr;
bool atExitRegistered = false;

void OnSignal(int) {
  const int saved = errno;
  const int fd = signalPipe;
  if (fd >= 0) {
    // A full pipe already holds a request: a byte that does not fit loses
    // nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd, "e", 1);
  }
  errno = saved;
}

}  // namespace

LinuxSessionWatch::LinuxSessionWatch() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    char buffer[64];
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    // The handler may run a nested event loop or stop the watch.
    if (std::function<void()> onEnd = onEnd_) onEnd();
  });
}

LinuxSessionWatch::~LinuxSessionWatch() {
  InstallSignals(false);
  if (current == this) current = nullptr;
  notifier_.reset();
  for (int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

void LinuxSessionWatch::Watch(std::function<void()> onEnd, std::function<void()> onDisplayLost) {
  onEnd_ = std::move(onEnd);
  onDisplayLost_ = std::move(onDisplayLost);
  InstallSignals(bool(onEnd_) && notifier_);
  current = onDisplayLost_ ? this : nullptr;
  if (current != nullptr && !atExitRegistered) {
    atExitRegistered = std::atexit(&LinuxSessionWatch::AtExit) == 0;
  }
}

void LinuxSessionWatch::InstallSignals(bool on) {
  if (on == signalsInstalled_) return;
  signalsInstalled_ = on;
  signalPipe = on ? pipe_[1] : -1;
  struct sigaction action = {};
  sigemptyset(&action.sa_mask);
  action.sa_handler = on ? &OnSignal : SIG_DFL;
  action.sa_flags = on ? SA_RESTART : 0;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

void LinuxSessionWatch::AtExit() {
  // Only an end the program did not choose itself finds the handler set: a
  // program that ends on its own stops the watch first.
  if (current == nullptr) return;
  LinuxSessionWatch* watch = current;
  current = nullptr;
  watch->InstallSignals(false);
  if (std::function<void()> onDisplayLost = watch->onDisplayLost_) onDisplayLost();
}

}  // namespace tolvex::platform

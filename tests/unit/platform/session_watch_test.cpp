// The Linux session watch: a signal that asks the program to end reaches the
// handler on the user-interface thread, and only there; without a watch the
// signals do what they did before; an exit the program did not choose runs
// the display-lost handler.
#include "platform/linux/linux_session_watch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>
#include <cstdlib>

namespace tolvex::platform {
namespace {

bool WaitFor(const int& count, int expected) {
  QDeadlineTimer deadline(5000);
  while (count < expected && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return count == expected;
}

sighandler_t Disposition(int signal) {
  struct sigaction action = {};
  ::sigaction(signal, nullptr, &action);
  return action.sa_handler;
}

TEST(LinuxSessionWatch, EndRequestsRunTheHandlerOnTheEventLoopUntilTheWatchStops) {
  LinuxSessionWatch watch;
  int ends = 0;
  watch.Watch([&] { ++ends; }, [] {});
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::raise(signal);
  // Nothing runs inside the signal handler itself.
  EXPECT_EQ(ends, 0);
  EXPECT_TRUE(WaitFor(ends, 1));
  ::raise(SIGTERM);
  EXPECT_TRUE(WaitFor(ends, 2));
  watch.Watch(nullptr, nullptr);
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) EXPECT_EQ(Disposition(signal), SIG_DFL);
}

TEST(LinuxSessionWatch, AnExitTheProgramDidNotChooseRunsTheDisplayLostHandler) {
  for (const bool stopped : {false, true}) {
    SCOPED_TRACE(stopped ? "watch stopped" : "watching");
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(fds[0]);
      // Leaks on purpose: the process ends through exit() with it in use.
      auto* watch = new LinuxSessionWatch;
      watch->Watch(
          [] {},
          [fd = fds[1]] { [[maybe_unused]] const ssize_t written = ::write(fd, "lost", 4); });
      if (stopped) watch->Watch(nullptr, nullptr);
      std::exit(1);
    }
    ::close(fds[1]);
    char buffer[8] = {};
    const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(QByteArray(buffer, int(std::max<ssize_t>(got, 0))), stopped ? "" : "lost");
  }
}

}  // namespace
}  // namespace tolvex::platform

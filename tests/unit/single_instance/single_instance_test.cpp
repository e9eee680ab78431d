// The single-instance service: the simulated back end, and the Linux back
// end with two instances in one process (the lock file is per instance
// object, the socket is real), also where the folders cannot hold the lock.
#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/linux/linux_single_instance.h"
#include "platform/sim/sim_single_instance.h"
#include "support/private_mounts.h"

namespace tolvex::platform {
namespace {

bool WaitFor(const bool& flag) {
  QDeadlineTimer deadline(5000);
  while (!flag && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return flag;
}

TEST(SimSingleInstance, FirstClaimWinsAndLaterStartsActivateIt) {
  sim::SimSingleInstance first, second;
  EXPECT_TRUE(first.Claim());
  EXPECT_TRUE(first.Claim());
  EXPECT_FALSE(second.Claim());
  int activations = 0;
  // A request before the handler is set is kept for it.
  EXPECT_TRUE(second.ActivateFirst());
  first.SetActivationHandler([&] { ++activations; });
  EXPECT_EQ(activations, 1);
  second.ActivateFirst();
  EXPECT_EQ(activations, 2);
}

class LinuxSingleInstanceTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    qputenv("DISPLAY", ":77.0");
  }
  void TearDown() override {
    qputenv("XDG_RUNTIME_DIR", saved_);
    qunsetenv("DISPLAY");
  }
  QString Base() const { return runtime_.path() + QString("/tolvexbar-%1-_77").arg(::getuid()); }

  QTemporaryDir runtime_;
  QByteArray saved_;
};

TEST_F(LinuxSingleInstanceTest, SecondStartActivatesTheFirst) {
  LinuxSingleInstance first;
  ASSERT_TRUE(first.Claim());
  bool activated = false;
  first.SetActivationHandler([&] { activated = true; });
  LinuxSingleInstance second;
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(second.ActivateFirst());
  EXPECT_TRUE(WaitFor(activated));
}

TEST_F(LinuxSingleInstanceTest, OnlyTheRequestLineActivatesAndAFloodingPeerIsDropped) {
  LinuxSingleInstance first;
  ASSERT_TRUE(first.Claim());
  int activations = 0;
  first.SetActivationHandler([&] { ++activations; });
  const LocalSocketName name{Base() + ".socket", false};
  // Two requests in one write, and lines that ask for nothing.
  ASSERT_TRUE(SendToLocalServer(name, "hello\nactivate\nactivate\nactivatex\n", 1000));
  bool twice = false;
  QDeadlineTimer deadline(5000);
  while (!(twice = activations == 2) && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_TRUE(twice) << activations;
  // A peer that never ends its line is cut off; the next start still gets through.
  ASSERT_TRUE(SendToLocalServer(name, QByteArray(4096, 'x'), 1000));
  LinuxSingleInstance second;
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(second.ActivateFirst());
  deadline.setRemainingTime(5000);
  while (activations < 3 && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(activations, 3);
}

TEST_F(LinuxSingleInstanceTest, DisplaysAreSeparate) {
  LinuxSingleInstance first;
  ASSERT_TRUE(first.Claim());
  qputenv("DISPLAY", ":78");
  LinuxSingleInstance other;
  EXPECT_TRUE(other.Claim());
}

TEST_F(LinuxSingleInstanceTest, StaleLockAndSocketOfCrashedInstanceDoNotBlock) {
  // A lock file of a process that is gone, and the socket file it left.
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  QFile lock(Base() + ".lock");
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write(QByteArray::number(gone) + "\n" + QCoreApplication::applicationName().toUtf8() +
             "\n\n");
  lock.close();
  QFile socket(Base() + ".socket");
  ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
  socket.close();

  LinuxSingleInstance next;
  EXPECT_TRUE(next.Claim());
  bool activated = false;
  next.SetActivationHandler([&] { activated = true; });
  LinuxSingleInstance later;
  EXPECT_FALSE(later.Claim());
  EXPECT_TRUE(later.ActivateFirst());
  EXPECT_TRUE(WaitFor(activated));
}

// Where the lock and the socket go when the runtime folder is read-only, and
// when the temporary folder cannot hold them either (read-only, or a folder
// of the user's name that others may write to).
TEST_F(LinuxSingleInstanceTest, FoldersThatCannotHoldTheLockDoNotTurnOffTheRule) {
  if (!test::EnterPrivateMounts()) {
    GTEST_SKIP() << "no private mount namespace";
  }
  struct Case {
    const char* name;
    bool temporaryReadOnly;
    bool temporaryShared;
    bool lockInTemporary;
  };
  for (const Case& c :
       {Case{"read-only runtime", false, false, true}, Case{"both read-only", true, false, false},
        Case{"shared temporary folder", false, true, false}}) {
    SCOPED_TRACE(c.name);
    QTemporaryDir runtime, temporary;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("TMPDIR", temporary.path().toUtf8());
    const QString ours = temporary.path() + QString("/tolvexbar-%1").arg(::getuid());
    if (c.temporaryShared) {
      ASSERT_TRUE(QDir().mkdir(ours));
      QFile::setPermissions(ours, QFileDevice::Permissions(0x7777));
    }
    ASSERT_TRUE(test::MountReadOnly(runtime.path()));
    if (c.temporaryReadOnly) {
      ASSERT_TRUE(test::MountReadOnly(temporary.path()));
    }
    {
      LinuxSingleInstance first;
      ASSERT_TRUE(first.Claim());
      bool activated = false;
      first.SetActivationHandler([&] { activated = true; });
      LinuxSingleInstance second;
      EXPECT_FALSE(second.Claim());
      EXPECT_TRUE(second.ActivateFirst());
      EXPECT_TRUE(WaitFor(activated));
      EXPECT_EQ(QFile::exists(ours + QString("/tolvexbar-%1-_77.lock").arg(::getuid())),
                c.lockInTemporary);
    }
    test::Unmount(runtime.path());
    if (c.temporaryReadOnly) test::Unmount(temporary.path());
    qunsetenv("TMPDIR");
  }
}

TEST_F(LinuxSingleInstanceTest, NoFirstInstanceToActivate) {
  LinuxSingleInstance lone;
  EXPECT_FALSE(lone.ActivateFirst());
}

}  // namespace
}  // namespace tolvex::platform

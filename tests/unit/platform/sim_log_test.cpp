// The simulated back end's call record and the per-service choice.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/sim/sim_log.h"

namespace tolvex::platform {
namespace {

TEST(SimLog, AppendsOneEscapedLinePerCall) {
  QTemporaryDir dir;
  const QByteArray path = (dir.path() + "/sim.log").toUtf8();
  setenv("TOLVEX_SIM_LOG", path.constData(), 1);
  sim::Log("shell", "open", {"/bin/true", "a\tb", "line\nbreak"});
  sim::Log("power", "off");
  unsetenv("TOLVEX_SIM_LOG");
  QFile file(QString::fromUtf8(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            QByteArray("shell\topen\t/bin/true\ta\\tb\tline\\nbreak\npower\toff\n"));
}

TEST(SimLog, TestsRunOnTheSimulatedShell) {
  EXPECT_TRUE(IsSimulated());
  QTemporaryDir dir;
  const QByteArray path = (dir.path() + "/sim.log").toUtf8();
  setenv("TOLVEX_SIM_LOG", path.constData(), 1);
  EXPECT_TRUE(Shell().Open("/usr/bin/nonexistent-program", "-x", "/tmp", ShowNormal));
  unsetenv("TOLVEX_SIM_LOG");
  QFile file(QString::fromUtf8(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("shell\topen\t/usr/bin/nonexistent-program\t-x\t/tmp\t1\n"));
}

}  // namespace
}  // namespace tolvex::platform

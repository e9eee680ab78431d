// The real binary's first start from a fresh home without ~/.config, with
// the shipped layout beside it: the folder is created for the user alone and
// the layout gets the desktop's default applications that are installed.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "support/program_folder.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

struct FirstStartCase {
  const char* name;
  bool terminal;
};

class FirstStart : public testing::TestWithParam<FirstStartCase> {
 protected:
  void TearDown() override {
    if (bar_) {
      bar_->terminate();
      if (!bar_->waitForFinished(5000)) bar_->kill();
    }
  }
  QString Bin() const { return work_.path() + "/bin"; }

  ProgramFolder folder_;
  QTemporaryDir work_;
  std::unique_ptr<QProcess> bar_;
};

TEST_P(FirstStart, CreatesThePrivateConfigFolderAndAddsTheInstalledDefaults) {
  QFile shipped(TOLVEX_SOURCE_DIR "/data/tolvexbar.dat");
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  folder_.WriteFile("tolvexbar.dat", shipped.readAll());
  QDir().mkpath(Bin());
  if (GetParam().terminal) {
    QFile terminal(Bin() + "/x-terminal-emulator");
    ASSERT_TRUE(terminal.open(QIODevice::WriteOnly));
    terminal.write("#!/bin/sh\n");
    terminal.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QProcessEnvironment env = folder_.Environment();
  env.remove("XDG_CONFIG_HOME");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  // Only the desktop defaults are real, found on a PATH of the test's own.
  env.insert("TOLVEX_SIM_NATIVE", "desktop_defaults");
  env.insert("PATH", Bin());
  env.insert("XDG_DATA_HOME", work_.path() + "/data");
  env.insert("XDG_DATA_DIRS", work_.path() + "/none");
  env.insert("XDG_RUNTIME_DIR", work_.path());
  bar_ = folder_.Start(env);

  const QString layout = folder_.ConfigHome() + "/tolvex/tolvexbar.dat";
  ASSERT_TRUE(WaitUntil([&] { return QFile::exists(layout); }));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(folder_.ConfigHome()).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  // The seeded copy gets its launchers right after it is made.
  QThread::msleep(1000);
  const QByteArray text = folder_.ReadFile(layout);
  EXPECT_TRUE(text.contains("Kind=3")) << text.constData();
  const QByteArray terminal = "Target=" + QFile::encodeName(Bin()) + "/x-terminal-emulator\n";
  EXPECT_EQ(text.contains(terminal), GetParam().terminal) << text.constData();
  EXPECT_EQ(text.contains("Count=3\n"), GetParam().terminal) << text.constData();
  EXPECT_EQ(text.contains("Count=2\n"), !GetParam().terminal) << text.constData();
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstStart,
                         testing::Values(FirstStartCase{"WithTerminal", true},
                                         FirstStartCase{"WithoutTerminal", false}),
                         [](const testing::TestParamInfo<FirstStartCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace tolvex::test

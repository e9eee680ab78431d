// The real binary's command line, without a display: help and version
// answer and end, anything unknown ends with the usage, and a start without
// a display says so in one line instead of aborting.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "support/program_folder.h"

namespace tolvex::test {
namespace {

struct RunResult {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QString out;
  QString err;
};

class CommandLineE2e : public testing::Test {
 protected:
  RunResult Start(const QStringList& arguments, const QString& display = QString()) {
    QProcessEnvironment env = folder_.Environment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(folder_.Binary(), arguments);
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), process.exitStatus(),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
  // Nothing of a running bar's (lock, socket) and no configuration appeared.
  void ExpectNothingTouched() const {
    EXPECT_TRUE(
        QDir(runtime_.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System));
    EXPECT_FALSE(QDir(folder_.ConfigHome()).exists());
    EXPECT_EQ(QDir(folder_.Path()).entryList(QDir::Files), QStringList{"tolvexbar"});
  }

  ProgramFolder folder_;
  QTemporaryDir runtime_;
};

TEST_F(CommandLineE2e, HelpPrintsTheUsageAndEnds) {
  const RunResult run = Start({"--help"});
  EXPECT_EQ(run.status, QProcess::NormalExit);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.startsWith("Aufruf: tolvexbar")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("--version"));
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  ExpectNothingTouched();
}

TEST_F(CommandLineE2e, VersionPrintsTheVersionAndEnds) {
  const RunResult run = Start({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "tolvexBar 2.0.0\n");
  ExpectNothingTouched();
}

TEST_F(CommandLineE2e, AnUnknownOptionEndsWithTheUsageOnStandardError) {
  const RunResult run = Start({"--bogus"});
  EXPECT_EQ(run.status, QProcess::NormalExit);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.startsWith("tolvexbar: unbekannte Option \"--bogus\"\n"))
      << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("Aufruf: tolvexbar"));
  ExpectNothingTouched();
}

TEST_F(CommandLineE2e, NoDisplayOrAnUnreachableOneEndsWithOneLine) {
  for (const QString& display : {QString(), QStringLiteral(":64999")}) {
    SCOPED_TRACE(display.toStdString());
    const RunResult run = Start({}, display);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("tolvexBar: Keine Anzeige")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    ExpectNothingTouched();
  }
}

}  // namespace
}  // namespace tolvex::test

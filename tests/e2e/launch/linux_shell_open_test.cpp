// "open" on Linux, with the recording test program in place of real ones:
// programs by path, by name on PATH and relative to the working folder, the
// splitting of the parameters, desktop entry files, the desktop's opener,
// and the show command on a private display. PATH holds only the test's own
// folder, so no real program can be reached.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/linux/linux_shell.h"
#include "support/xvfb_session.h"

namespace tolvex::platform {
namespace {

struct Record {
  QString cwd;
  QStringList args;
  qint64 pid = 0;
  QString window;
};

class LinuxShellOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    savedPath_ = qgetenv("PATH");
    QDir().mkpath(Bin());
    QDir().mkpath(Work());
    Copy(ARG_RECORDER, Bin() + "/tolvex-recorder");
    Copy(ARG_RECORDER, Bin() + "/xdg-open");
    qputenv("PATH", Bin().toLocal8Bit());
    qputenv("TOLVEX_RECORDER_OUT", Out().toLocal8Bit());
  }
  void TearDown() override {
    qputenv("PATH", savedPath_);
    qunsetenv("TOLVEX_RECORDER_OUT");
    qunsetenv("TOLVEX_RECORDER_WINDOW");
  }

  QString Path(const QString& name) const { return root_.path() + "/" + name; }
  QString Bin() const { return Path("bin"); }
  QString Work() const { return Path("work folder"); }
  QString Out() const { return Path("record.txt"); }
  void Copy(const QString& from, const QString& to) { ASSERT_TRUE(QFile::copy(from, to)); }
  void Write(const QString& name, const QByteArray& contents,
             QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    file.setPermissions(permissions);
  }

  // What the recorder wrote; waits for it, then removes the file.
  Record WaitForRecord() {
    Record record;
    if (!QTest::qWaitFor([&] { return QFile::exists(Out()); }, 10000)) return record;
    QFile file(Out());
    if (!file.open(QIODevice::ReadOnly)) return record;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      const QString value = line.section('=', 1);
      if (line.startsWith("cwd=")) record.cwd = value;
      if (line.startsWith("arg=")) record.args << value;
      if (line.startsWith("pid=")) record.pid = value.toLongLong();
      if (line.startsWith("window=")) record.window = value;
    }
    file.remove();
    return record;
  }

  QTemporaryDir root_;
  QByteArray savedPath_;
  LinuxShell shell_;
};

TEST_F(LinuxShellOpen, ProgramsStartDirectlyWithSplitParametersInTheWorkingFolder) {
  Write("app.desktop",
        "# a launcher\n[Desktop Entry]\nName=Rec\nName[de]=Aufnahme\nType=Application\n"
        "Exec=tolvex-recorder --name=%c %F --entry %k %i\nPath=" +
            Work().toUtf8() + "\n[Desktop Action x]\nExec=other\n");
  Write("plain.desktop", "[Desktop Entry]\nExec=\"tolvex-recorder\" \"a\\\\\\\\b\" %%\n");
  const struct {
    QString target;
    QString parameters;
    QString workingDir;
    QStringList args;
    QString cwd;
  } rows[] = {
      {Bin() + "/tolvex-recorder",
       R"(a "b c" d\"e C:\x\y "" "say ""hi""")",
       Work(),
       {"a", "b c", "d\"e", "C:\\x\\y", "", "say \"hi\""},
       Work()},
      {"tolvex-recorder",
       "; touch pwned $(id) `id` | >x",
       Work(),
       {";", "touch", "pwned", "$(id)", "`id`", "|", ">x"},
       Work()},
      {"bin/tolvex-recorder", "-v", root_.path(), {"-v"}, root_.path()},
      {Path("app.desktop"),
       R"(x "y z")",
       "",
       {"--name=Rec", "x", "y z", "--entry", Path("app.desktop")},
       Work()},
      {Path("plain.desktop"), "extra", Work(), {"a\\b", "%", "extra"}, Work()},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE((row.target + " " + row.parameters).toStdString());
    EXPECT_TRUE(shell_.Open(row.target.toStdString(), row.parameters.toStdString(),
                            row.workingDir.toStdString(), ShowNormal));
    const Record record = WaitForRecord();
    EXPECT_EQ(record.args, row.args);
    EXPECT_EQ(record.cwd, row.cwd);
  }
  EXPECT_FALSE(QFile::exists(Work() + "/pwned"));
  EXPECT_FALSE(QFile::exists(Work() + "/x"));
}

TEST_F(LinuxShellOpen, EverythingElseGoesToTheDesktopsOpener) {
  Write("letter.txt", "Dear …");
  // A document on a file system that marks every file executable.
  Write("notes.txt", "#notes", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  Write("link.desktop", "[Desktop Entry]\nType=Link\nURL=https://example.org/a\\sb\n");
  const struct {
    QString target;
    QString workingDir;
    QString opened;
  } rows[] = {
      {Path("letter.txt"), "", Path("letter.txt")},
      {"letter.txt", root_.path(), Path("letter.txt")},
      {Path("notes.txt"), "", Path("notes.txt")},
      {Work(), "", Work()},
      {"https://example.org/page?q=1", "", "https://example.org/page?q=1"},
      {Path("link.desktop"), "", "https://example.org/a%20b"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.target.toStdString());
    EXPECT_TRUE(
        shell_.Open(row.target.toStdString(), "ignored", row.workingDir.toStdString(), ShowNormal));
    EXPECT_EQ(WaitForRecord().args, QStringList{row.opened});
  }
}

TEST_F(LinuxShellOpen, WhatCannotBeOpenedFails) {
  Write("broken.desktop", "[Desktop Entry]\nExec=\"tolvex-recorder\n");
  Write("nothing.desktop", "[Desktop Entry]\nName=Nothing\n");
  Write("folder.desktop", "[Desktop Entry]\nType=Directory\n");
  Write("missing.desktop", "[Desktop Entry]\nExec=no-such-program %f\n");
  for (const QString& target : {QString(), Path("broken.desktop"), Path("nothing.desktop"),
                                Path("folder.desktop"), Path("missing.desktop")}) {
    EXPECT_FALSE(shell_.Open(target.toStdString(), "", "", ShowNormal)) << target.toStdString();
  }
}

// The show command reaches the first window of the started program.
TEST_F(LinuxShellOpen, TheFirstWindowIsMinimisedOrMaximised) {
  qputenv("PATH", savedPath_);  // for the display's tools; the program goes by its path
  test::XvfbSession display;
  ASSERT_TRUE(display.IsRunning());
  const QByteArray savedDisplay = qgetenv("DISPLAY");
  qputenv("DISPLAY", display.Display().toLocal8Bit());
  qputenv("TOLVEX_RECORDER_WINDOW", "1");
  // Starts the recorder with `showCommand` and waits until the window's
  // `property` shows `expected`; returns the last state read.
  const auto openAndWait = [&](int showCommand, const QString& property, const QString& expected) {
    if (!shell_.Open(ARG_RECORDER, "", "", showCommand)) return QString("not started");
    const Record record = WaitForRecord();
    QString state;
    (void)QTest::qWaitFor(
        [&] {
          state = display.Run("xprop", {"-id", record.window, property});
          return state.contains(expected);
        },
        5000);
    kill(static_cast<pid_t>(record.pid), SIGTERM);
    return state;
  };
  // A normal window first; the window manager may still be starting and miss
  // the very first window, so it may take a second try.
  QString state;
  for (int attempt = 0; attempt < 3 && !state.contains("_NET_WM_STATE(ATOM)"); ++attempt) {
    state = openAndWait(ShowNormal, "_NET_WM_STATE", "_NET_WM_STATE(ATOM)");
  }
  ASSERT_TRUE(state.contains("_NET_WM_STATE(ATOM)")) << state.toStdString();
  EXPECT_FALSE(state.contains("MAXIMIZED")) << state.toStdString();
  EXPECT_FALSE(state.contains("HIDDEN")) << state.toStdString();

  state = openAndWait(ShowMaximized, "_NET_WM_STATE", "_NET_WM_STATE_MAXIMIZED_VERT");
  EXPECT_TRUE(state.contains("_NET_WM_STATE_MAXIMIZED_HORZ")) << state.toStdString();
  state = openAndWait(ShowMinimized, "WM_STATE", "Iconic");
  EXPECT_TRUE(state.contains("Iconic")) << state.toStdString();
  qputenv("DISPLAY", savedDisplay);
}

}  // namespace
}  // namespace tolvex::platform

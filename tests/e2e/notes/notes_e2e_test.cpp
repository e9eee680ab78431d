// The real binary with the notes panel on a private X display with openbox:
// hand-written note files in the per-user notes folder, the visible one a
// window captioned with its title, the hidden one not shown, and every body
// intact after "&Beenden".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// Windows-1252 bytes, CR LF line ends, body lines with "=".
constexpr char kVisibleNote[] =
    "Title=Eink\xe4ufe f\xfcr M\xfcller\r\nLeft=300\r\nTop=200\r\nHeight=180\r\nWidth=250\r\n"
    "Visible=1\r\nBodybegin\r\nMilch=2 Liter\r\nK\xe4se\r\n\r\nTitle=kein Titel\r\nBodyend\r\n";
constexpr char kHiddenNote[] =
    "Title=Versteckt\r\nVisible=0\r\nBodybegin\r\ngeheim=ja\r\nBodyend\r\n";

class NotesE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    Write(UserFile("tolvexbar.dat"), "[tolvexBar]\nCount=1\n[Link1]\nType=S\nSnapIn=txnotes.tsi\n");
    Write(UserFile("data/notes/1.tdn"), kVisibleNote);
    Write(UserFile("data/notes/2.tdn"), kHiddenNote);
  }
  void TearDown() override {
    if (bar_ && bar_->state() != QProcess::NotRunning) {
      bar_->kill();
      bar_->waitForFinished(5000);
    }
  }

  QString UserFile(const QString& name) const { return folder_.ConfigHome() + "/tolvex/" + name; }
  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString Visible(const QString& name) const {
    return display_.Run("xdotool", {"search", "--onlyvisible", "--name", name}).trimmed();
  }
  void Start() {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1");
    bar_ = folder_.Start(env);
  }

  XvfbSession display_;
  ProgramFolder folder_;
  std::unique_ptr<QProcess> bar_;
};

TEST_F(NotesE2e, HandWrittenNotesOpenByTheirVisibilityAndSurviveTheEndOfTheBar) {
  Start();
  QString note;
  ASSERT_TRUE(WaitUntil([&] {
    note = Visible(QString::fromUtf8("^Einkäufe für Müller"));
    return !note.isEmpty();
  }));
  QString bar;
  ASSERT_TRUE(WaitUntil([&] {
    bar = Visible("^TolvexBar");
    return !bar.isEmpty();
  }));
  QThread::msleep(500);
  EXPECT_TRUE(Visible("^Versteckt").isEmpty());

  // "&Beenden" in the bar's main menu.
  display_.Run("xdotool", {"mousemove", "--window", bar, "30", "12", "click", "1"});
  QThread::msleep(700);
  display_.Run("xdotool", {"key", "b"});
  ASSERT_TRUE(bar_->waitForFinished(15000));
  EXPECT_EQ(bar_->exitCode(), 0);

  const QByteArray visible = folder_.ReadFile(UserFile("data/notes/1.tdn"));
  EXPECT_TRUE(visible.startsWith("Title=Eink\xc3\xa4ufe f\xc3\xbcr M\xc3\xbcller\r\n"))
      << visible.toStdString();
  EXPECT_TRUE(visible.contains("\r\nVisible=1\r\n"));
  EXPECT_TRUE(visible.endsWith(
      "\r\nBodybegin\r\nMilch=2 Liter\r\nK\xc3\xa4se\r\n\r\nTitle=kein Titel\r\nBodyend\r\n"))
      << visible.toStdString();
  EXPECT_EQ(folder_.ReadFile(UserFile("data/notes/2.tdn")), QByteArray(kHiddenNote));
}

TEST_F(NotesE2e, TheTaskListOpensAtTheStartAndTickingATaskOffDeletesItsNote) {
  Write(UserFile("data/notes/3.tdn"), "Title=Steuer\r\nTask=1\r\nPriority=1\r\nVisible=0\r\n");
  Write(UserFile("tolvexbar.ini"),
        "[Defaults]\nShowTaskList=1\nCheckTaskAction=2\nTasksPos=300,200,320,300\nTasksSort=1\n");
  Start();
  QString tasks;
  ASSERT_TRUE(WaitUntil([&] {
    tasks = Visible("^Aufgaben$");
    return !tasks.isEmpty();
  }));
  const QString geometry = display_.Run("xdotool", {"getwindowgeometry", tasks});
  EXPECT_TRUE(geometry.contains("320x300")) << geometry.toStdString();

  // The list has the focus on its only row: Space ticks it off.
  display_.Run("xdotool", {"windowactivate", "--sync", tasks});
  QThread::msleep(300);
  display_.Run("xdotool", {"key", "space"});
  ASSERT_TRUE(WaitUntil([&] { return !QFileInfo::exists(UserFile("data/notes/3.tdn")); }));

  const QString bar = Visible("^TolvexBar");
  ASSERT_FALSE(bar.isEmpty());
  display_.Run("xdotool", {"mousemove", "--window", bar, "30", "12", "click", "1"});
  QThread::msleep(700);
  display_.Run("xdotool", {"key", "b"});
  ASSERT_TRUE(bar_->waitForFinished(15000));
  const QByteArray settings = folder_.ReadFile(UserFile("tolvexbar.ini"));
  EXPECT_TRUE(settings.contains("TasksSort=1")) << settings.toStdString();
  EXPECT_TRUE(settings.contains("PreviewHeight=100")) << settings.toStdString();
  EXPECT_TRUE(settings.contains(",320,300")) << settings.toStdString();
  EXPECT_TRUE(QFileInfo::exists(UserFile("data/notes/1.tdn")));
}

}  // namespace
}  // namespace tolvex::test

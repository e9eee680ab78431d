// The end of the bar offscreen: what it writes when the event loop ends or
// the session does, in how many replacements of the configuration file,
// what a file that cannot be written does then, the loss of the display, and
// stored positions at the limits of an integer.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <climits>

#include "app/bar_window.h"
#include "app/builtin_panels.h"
#include "app/file_helpers.h"
#include "app/folders.h"
#include "app/snapin_panel.h"
#include "platform/desktop.h"
#include "platform/session_watch.h"
#include "platform/sim/sim_session_watch.h"
#include "shared/modal.h"
#include "support/private_mounts.h"

namespace tolvex::test {
namespace {

// A clock panel that stores a value of its own when the bar saves it.
class SavingPanel : public TSnapInPanel {
 public:
  using TSnapInPanel::TSnapInPanel;
  void Start() override { resize(104, 40); }
  void SaveSettings() override { Host().ConfigFile().WriteString("TolvexClock", "Saved", "1"); }
};

// Counts the writes that put a file of `name` in place in `folder`: a rename
// onto it, or a write of the file itself.
class Replacements {
 public:
  Replacements(const QString& folder, QString name) : name_(std::move(name)) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CLOSE_WRITE);
  }
  ~Replacements() { ::close(fd_); }
  int Count() {
    alignas(inotify_event) char buffer[8192];
    ssize_t length;
    while ((length = ::read(fd_, buffer, sizeof buffer)) > 0) {
      for (char* p = buffer; p < buffer + length;) {
        const auto* event = reinterpret_cast<inotify_event*>(p);
        if (event->len > 0 && QString::fromLocal8Bit(event->name) == name_) ++count_;
        p += sizeof(inotify_event) + event->len;
      }
    }
    return count_;
  }

 private:
  QString name_;
  int fd_ = -1;
  int count_ = 0;
};

class BarShutdown : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
    QDir().mkpath(PerUserFolder());
    previousClock_ =
        RegisterBuiltInPanel(3, [](ISnapInHost& host) { return new SavingPanel(host); });
    SetModalAnswer([this](QDialog& dialog) {
      shown_ << dialog.findChild<QLabel*>("txMessage")->text();
      return int(mrOk);
    });
  }
  void TearDown() override {
    bar_.reset();
    SetModalAnswer(nullptr);
    RegisterBuiltInPanel(3, previousClock_);
    if (!mounted_.isEmpty()) Unmount(mounted_);
  }

  QString ConfigName() const { return QFileInfo(ChangeFileExt(ProgramFile(), ".ini")).fileName(); }
  QString ConfigPath() const { return AddPathPart(PerUserFolder(), ConfigName()); }
  QString LayoutPath() const {
    return AddPathPart(PerUserFolder(), ChangeFileExt(ConfigName(), ".dat"));
  }
  static void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }
  // Runs the event loop until `end` ends it.
  static void RunUntil(const std::function<void()>& end) {
    QTimer::singleShot(0, qApp, end);
    QCoreApplication::exec();
  }
  // "&Beenden" in the bar's main menu.
  void Quit() const { bar_->pmMain()->actions().last()->trigger(); }
  static platform::sim::SimSessionWatch& Session() {
    return dynamic_cast<platform::sim::SimSessionWatch&>(platform::SessionWatch());
  }

  QTemporaryDir home_;
  TBuiltInPanelFactory previousClock_;
  std::unique_ptr<TwTolvexDesktop> bar_;
  QStringList shown_;
  QString mounted_;
};

TEST_F(BarShutdown, TheEndOfTheLoopOrOfTheSessionWritesEverythingInOneReplacement) {
  for (const bool sessionEnds : {false, true}) {
    SCOPED_TRACE(sessionEnds ? "session ends" : "&Beenden");
    Write(ConfigPath(), "[System]\nTaskbar=0\n");
    Write(LayoutPath(), "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=2\n");
    bar_ = std::make_unique<TwTolvexDesktop>();
    ASSERT_FALSE(bar_->IsDocked());
    bar_->SetDragAndDrop(false);
    const TRect window = bar_->WindowRect();
    Replacements replacements(PerUserFolder(), ConfigName());
    RunUntil([&] { sessionEnds ? Session().EndSession() : Quit(); });
    // Written while the bar still exists, once.
    EXPECT_EQ(replacements.Count(), 1);
    bar_.reset();
    EXPECT_EQ(replacements.Count(), 1);
    TtxIniFile file(ConfigPath());
    EXPECT_EQ(file.ReadInteger("System", "Left", -2), window.left);
    EXPECT_EQ(file.ReadInteger("System", "Top", -2), window.top);
    EXPECT_EQ(file.ReadString("System", "DragAndDrop", "<none>"), "0");
    EXPECT_EQ(file.ReadString("TolvexClock", "Saved", "<none>"), "1");
  }
  EXPECT_TRUE(shown_.isEmpty());
}

TEST_F(BarShutdown, AFileThatCannotBeWrittenIsShownOnceAndStaysWhole) {
  enum Spoiled { ReadOnlyFolder, FullFolder, FileIsAFolder };
  const bool mounts = EnterPrivateMounts();
  for (const Spoiled spoiled : {ReadOnlyFolder, FullFolder, FileIsAFolder}) {
    SCOPED_TRACE(int(spoiled));
    // Permission bits do not stop root: those folders need mounts.
    if (spoiled != FileIsAFolder && !mounts) continue;
    shown_.clear();
    const QByteArray before = "[System]\nTaskbar=0\nLeft=10\nTop=20\n";
    if (spoiled == FullFolder) {
      mounted_ = PerUserFolder();
      ASSERT_TRUE(MountSmallTmpfs(mounted_, 64));
      Write(ConfigPath(), before);
      FillUp(mounted_);
    } else if (spoiled == ReadOnlyFolder) {
      Write(ConfigPath(), before);
      mounted_ = PerUserFolder();
      ASSERT_TRUE(MountReadOnly(mounted_));
    } else {
      QFile::remove(ConfigPath());
      ASSERT_TRUE(QDir().mkdir(ConfigPath()));
    }
    bar_ = std::make_unique<TwTolvexDesktop>();
    bar_->SetDragAndDrop(false);
    RunUntil([this] { Quit(); });
    EXPECT_EQ(shown_,
              QStringList{QString("nach %1 kann nicht geschrieben werden").arg(ConfigPath())});
    // The message was shown while the bar still existed; its end adds none.
    bar_.reset();
    EXPECT_EQ(shown_.size(), 1);
    if (spoiled == FileIsAFolder) {
      EXPECT_TRUE(QFileInfo(ConfigPath()).isDir());
    } else {
      EXPECT_EQ(Read(ConfigPath()), before);
      Unmount(mounted_);
      mounted_.clear();
    }
  }
}

TEST_F(BarShutdown, ALostDisplaySavesWhatTheBarLastKnew) {
  Write(ConfigPath(), "[System]\nTaskbar=0\n");
  Write(LayoutPath(), "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=2\n");
  bar_ = std::make_unique<TwTolvexDesktop>();
  bar_->show();
  const TRect moved{300, 200, 300 + bar_->WindowRect().Width(), 200 + bar_->WindowRect().Height()};
  bar_->SetWindowRect(moved);
  QCoreApplication::processEvents();
  Session().LoseDisplay();
  TtxIniFile file(ConfigPath());
  EXPECT_EQ(file.ReadInteger("System", "Left", -2), bar_->WindowRect().left);
  EXPECT_EQ(file.ReadInteger("System", "Top", -2), bar_->WindowRect().top);
  EXPECT_EQ(file.ReadString("TolvexClock", "Saved", "<none>"), "1");
  // Nothing was torn down: the bar is still whole for the process's end.
  EXPECT_EQ(bar_->ElementControls().Count(), 1);
}

TEST_F(BarShutdown, StoredPositionsAtTheLimitsPlaceTheFloatingBarWithoutOverflow) {
  const TRect work = platform::Desktop().WorkArea();
  struct Case {
    const char* left;
    const char* top;
    int expectedTop;
  };
  for (const Case& c :
       {Case{"2147483647", "2147483647", 32767}, Case{"-2147483648", "-2147483648", -32768},
        Case{"0x7FFFFFFF", "0x80000000", -32768}, Case{"5000", "-2147483647", -32768}}) {
    SCOPED_TRACE(std::string(c.left) + " " + c.top);
    Write(ConfigPath(),
          QString("[System]\nTaskbar=0\nLeft=%1\nTop=%2\n").arg(c.left, c.top).toUtf8());
    bar_ = std::make_unique<TwTolvexDesktop>();
    const TRect window = bar_->WindowRect();
    EXPECT_GE(window.left, work.left);
    EXPECT_LE(window.right, work.right);
    EXPECT_EQ(window.top, c.expectedTop);
    bar_.reset();
  }
}

}  // namespace
}  // namespace tolvex::test

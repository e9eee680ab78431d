// The real binary on a private X display with openbox: the strip it
// reserves docked, its height floating, a launcher click, the sample
// plug-in over a rebuild caused by a file drop, a second start that
// brings the first one to the front, and a plug-in that crashes the bar.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "support/bar_on_display.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// The integers after the first "=" of an xprop line.
std::vector<long> Numbers(const QString& text) {
  std::vector<long> numbers;
  static const QRegularExpression number("-?\\d+");
  auto it = number.globalMatch(text.mid(text.indexOf('=') + 1));
  while (it.hasNext()) numbers.push_back(it.next().captured().toLong());
  return numbers;
}

class BarE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    ASSERT_TRUE(work_.isValid());
    QDir().mkpath(folder_.ConfigHome());
    QDir().mkpath(folder_.Path() + "/snapins");
    ASSERT_TRUE(QFile::copy(SAMPLE_SNAPIN, folder_.Path() + "/snapins/sample.tsi"));
  }
  void TearDown() override {
    for (auto& process : processes_) {
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
      process->waitForFinished(1000);
    }
  }

  void Layout(const QByteArray& text) const { folder_.WriteFile("tolvexbar.dat", text); }
  void Config(const QByteArray& text) const { folder_.WriteFile("tolvexbar.ini", text); }

  // The bar's environment; `native` lists the platform services that are real.
  QProcessEnvironment Environment(const QString& native) const {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", native);
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", work_.path());
    env.insert("TOLVEX_SAMPLE_SNAPIN_LOG", CallLog());
    env.insert("TOLVEX_RECORDER_OUT", Recording());
    return env;
  }
  // Starts the bar.
  QProcess& Start(const QString& native = "toolbar,desktop") {
    processes_.push_back(folder_.Start(Environment(native)));
    return *processes_.back();
  }
  QString WaitForBar() { return WaitForBarWindow(display_); }
  // Starts the bar with its standard error going to the file `errors`.
  QProcess& StartWritingErrorsTo(const QString& errors, const QString& native) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(Environment(native));
    process->setStandardErrorFile(errors);
    process->start(folder_.Binary(), {});
    EXPECT_TRUE(process->waitForStarted(5000));
    processes_.push_back(std::move(process));
    return *processes_.back();
  }
  // The visible dialogs of the bar's program on the display.
  QStringList Dialogs() const {
    QStringList dialogs;
    const QStringList ids =
        display_.Run("xdotool", {"search", "--onlyvisible", "--name", "^[Tt]olvex[Bb]ar$"})
            .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
      if (Property(id, "_NET_WM_WINDOW_TYPE").contains("DIALOG")) dialogs << id;
    }
    return dialogs;
  }
  QString Property(const QString& id, const QString& name) const {
    return display_.Run("xprop", {"-id", id, name});
  }
  QString CallLog() const { return work_.path() + "/calls.log"; }
  QString Recording() const { return work_.path() + "/recording.txt"; }
  QStringList Calls() const {
    return QString::fromUtf8(folder_.ReadFile(CallLog())).split('\n', Qt::SkipEmptyParts);
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir work_;
  std::vector<std::unique_ptr<QProcess>> processes_;
};

constexpr char kTwoLaunchers[] =
    "[tolvexBar]\nCount=2\n"
    "[Link1]\nType=P\nName=Eins\nTarget=/nonexistent/eins\n"
    "[Link2]\nType=P\nName=Zwei\nTarget=/nonexistent/zwei\n";

TEST_F(BarE2e, DockedItReservesA104PixelStripAtTheLeftEdge) {
  Layout(kTwoLaunchers);
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  const std::vector<long> strut = Numbers(Property(id, "_NET_WM_STRUT_PARTIAL"));
  ASSERT_GE(strut.size(), 4u);
  EXPECT_EQ(strut[0], 104);
  EXPECT_EQ(strut[1], 0);
  EXPECT_EQ(ClientArea(display_, id).size(), QSize(104, 768));
  const std::vector<long> area = Numbers(display_.Run("xprop", {"-root", "_NET_WORKAREA"}));
  ASSERT_GE(area.size(), 4u);
  EXPECT_EQ(area[0], 104);
}

TEST_F(BarE2e, TheMainMenuOpensBelowTheHeaderOverTheReservedStrip) {
  Layout(kTwoLaunchers);
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  display_.Run("xdotool", {"mousemove", "--window", id, "30", "12", "click", "1"});
  // The menu is a top-level window of its own; its outer rectangle stands in
  // the root window's list of children as "WxH+x+y".
  static const QRegularExpression menuAt("\\s(\\d+)x\\d+\\+0\\+24\\s");
  QString listing;
  EXPECT_TRUE(WaitUntil(
      [&] {
        listing = display_.Run("xwininfo", {"-root", "-children"});
        const QRegularExpressionMatch match = menuAt.match(listing);
        return match.hasMatch() && match.captured(1).toInt() > 104;
      },
      5000))
      << listing.toStdString();
}

TEST_F(BarE2e, FloatingItIsExactlyAsHighAsItsElements) {
  Layout(kTwoLaunchers);
  Config("[System]\nTaskbar=0\n");
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  // Header 24, line 2, two launchers without icons of 25 each.
  EXPECT_EQ(ClientArea(display_, id).size().height(), 76);
  // No strip is reserved.
  for (long value : Numbers(Property(id, "_NET_WM_STRUT_PARTIAL"))) EXPECT_EQ(value, 0);
}

TEST_F(BarE2e, DraggedOffTheEdgeItFloatsExactlyAsHighAsItsElements) {
  Layout(kTwoLaunchers);
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  ASSERT_EQ(ClientArea(display_, id).height(), 768);
  // From the empty area below the launchers into the middle of the screen.
  display_.Run("xdotool", {"mousemove", "50", "400", "mousedown", "1"});
  for (const QPoint& to : {QPoint(60, 390), QPoint(200, 350), QPoint(400, 300)}) {
    display_.Run("xdotool", {"mousemove", QString::number(to.x()), QString::number(to.y())});
    QThread::msleep(50);
  }
  display_.Run("xdotool", {"mouseup", "1"});
  EXPECT_TRUE(WaitUntil([&] { return ClientArea(display_, id).height() == 76; }, 5000))
      << ClientArea(display_, id).height();
  QThread::msleep(500);
  EXPECT_EQ(ClientArea(display_, id).height(), 76);
}

TEST_F(BarE2e, ALaunchersHintShowsWhileAnotherProgramsWindowIsActive) {
  Layout(kTwoLaunchers);
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  auto other = std::make_unique<QProcess>();
  other->setProcessEnvironment(display_.Environment());
  other->start("xmessage", {"-name", "andere", "-geometry", "300x100+400+300", "Ein Fenster"});
  ASSERT_TRUE(other->waitForStarted(5000));
  processes_.push_back(std::move(other));
  QString otherId;
  ASSERT_TRUE(WaitUntil([&] {
    otherId = display_.Run("xdotool", {"search", "--onlyvisible", "--classname", "^andere$"})
                  .split('\n', Qt::SkipEmptyParts)
                  .value(0);
    return !otherId.isEmpty();
  }));
  display_.Run("xdotool", {"windowactivate", "--sync", otherId});
  ASSERT_EQ(display_.Run("xdotool", {"getactivewindow"}).trimmed(), otherId);

  const auto barWindows = [&] {
    return display_.Run("xdotool", {"search", "--onlyvisible", "--class", "^tolvexbar$"})
        .split('\n', Qt::SkipEmptyParts)
        .size();
  };
  const qsizetype before = barWindows();
  // The first launcher lies just below the header.
  display_.Run("xdotool", {"mousemove", "--window", id, "50", "38"});
  EXPECT_TRUE(WaitUntil([&] { return barWindows() > before; }, 5000));
}

TEST_F(BarE2e, ALauncherClickStartsItsTargetWithParametersInItsWorkingFolder) {
  const QString folder = work_.path() + "/Arbeits Ordner";
  ASSERT_TRUE(QDir().mkpath(folder));
  Layout(QString("[tolvexBar]\nCount=1\n[Link1]\nType=P\nName=Rekorder\nTarget=%1\n"
                 "Parameters=eins \"zwei drei\"\nWorkingDir=%2\n")
             .arg(ARG_RECORDER, folder)
             .toUtf8());
  Start("toolbar,desktop,shell");
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  display_.Run("xdotool", {"mousemove", "--window", id, "50", "38", "click", "1"});
  ASSERT_TRUE(WaitUntil([&] { return QFile::exists(Recording()); }));
  const QStringList lines =
      QString::fromUtf8(folder_.ReadFile(Recording())).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.value(0), "cwd=" + folder);
  EXPECT_EQ(lines.mid(1, 2), (QStringList{"arg=eins", "arg=zwei drei"}));
}

TEST_F(BarE2e, TabReachesTheLaunchersInBarOrderAndEnterStartsTheFocusedOne) {
  Layout(QString("[tolvexBar]\nCount=2\n[Link1]\nType=P\nName=Eins\nTarget=/nonexistent/eins\n"
                 "[Link2]\nType=P\nName=Rekorder\nTarget=%1\nParameters=zwei\n")
             .arg(ARG_RECORDER)
             .toUtf8());
  Config("[System]\nTaskbar=0\n");
  Start("toolbar,desktop,shell");
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  display_.Run("xdotool", {"windowactivate", "--sync", id});
  display_.Run("xdotool", {"windowfocus", "--sync", id});
  // The activated bar focuses its first button, the main button; the two
  // state buttons follow, then the launchers.
  for (int i = 0; i < 4; ++i) display_.Run("xdotool", {"key", "Tab"});
  display_.Run("xdotool", {"key", "Return"});
  ASSERT_TRUE(WaitUntil([&] { return QFile::exists(Recording()); }, 5000));
  const QStringList lines =
      QString::fromUtf8(folder_.ReadFile(Recording())).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.mid(1, 1), QStringList{"arg=zwei"});

  // The menu key opens the element menu of the focused launcher below it.
  display_.Run("xdotool", {"key", "Menu"});
  const QRect launcher = ClientArea(display_, id).adjusted(0, 26 + 25, 0, 0);
  static const QRegularExpression menu("\\s(\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)\\s");
  QString listing;
  EXPECT_TRUE(WaitUntil(
      [&] {
        listing = display_.Run("xwininfo", {"-root", "-children"});
        auto it = menu.globalMatch(listing);
        while (it.hasNext()) {
          const QRegularExpressionMatch m = it.next();
          // A popup whose top edge lies at the second launcher's lower half.
          const int top = m.captured(4).toInt();
          if (top > launcher.top() + 12 && top <= launcher.top() + 30 &&
              m.captured(2).toInt() > 40)
            return true;
        }
        return false;
      },
      5000))
      << launcher.top() << listing.toStdString();
}

TEST_F(BarE2e, ADroppedFileRebuildsTheBarAndThePlugInStartsAfresh) {
  Layout("[tolvexBar]\nCount=1\n[Link1]\nType=S\nSnapIn=sample.tsi\n");
  Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  ASSERT_TRUE(WaitUntil([&] { return Calls().contains("sample show"); }));
  EXPECT_EQ(Calls(),
            (QStringList{"sample load", "sample init", "sample bar-window", "sample show"}));

  // A file dragged from another client onto the bar's empty area.
  const QString dropped = work_.path() + "/Notiz.TXT";
  QFile(dropped).open(QIODevice::WriteOnly);
  QProcess source;
  source.setProcessEnvironment(display_.Environment());
  source.start(TOLVEX_DRAG_SOURCE, {dropped});
  ASSERT_TRUE(WaitUntil([&] { return source.waitForReadyRead(50) || source.canReadLine(); }));
  const QList<QByteArray> ready = source.readLine().trimmed().split(' ');
  ASSERT_EQ(ready.value(0), "ready");
  const QPoint from(ready.value(1).toInt() + 100, ready.value(2).toInt() + 100);
  const QPoint to(50, 600);
  auto moveTo = [&](QPoint p) {
    display_.Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
    QThread::msleep(60);
  };
  moveTo(from);
  display_.Run("xdotool", {"mousedown", "1"});
  for (int step = 1; step <= 16; ++step) moveTo(from + (to - from) * step / 16);
  QThread::msleep(300);
  display_.Run("xdotool", {"mouseup", "1"});

  ASSERT_TRUE(WaitUntil([&] { return Calls().count("sample show") == 2; }));
  EXPECT_EQ(Calls().mid(4), (QStringList{"sample kill", "sample unload", "sample load",
                                         "sample init", "sample bar-window", "sample show"}));
  const QByteArray layout = folder_.ReadFile(folder_.ConfigHome() + "/tolvex/tolvexbar.dat");
  EXPECT_TRUE(layout.contains("Name=notiz.txt")) << layout.toStdString();
  source.kill();
  source.waitForFinished(1000);
}

TEST_F(BarE2e, ASecondStartBringsTheFirstToTheFrontAndEnds) {
  Layout(kTwoLaunchers);
  Config("[System]\nTaskbar=0\n");
  Start("toolbar,desktop,single_instance");
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  display_.Run("xdotool", {"windowminimize", "--sync", id});
  ASSERT_TRUE(WaitUntil([&] {
    return display_.Run("xwininfo", {"-id", id}).contains("IsUnMapped");
  }));

  QProcess& second = Start("toolbar,desktop,single_instance");
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitCode(), 0);
  ASSERT_TRUE(WaitUntil([&] {
    return display_.Run("xwininfo", {"-id", id}).contains("IsViewable");
  }));
  EXPECT_TRUE(
      WaitUntil([&] { return display_.Run("xdotool", {"getactivewindow"}).trimmed() == id; }));
}

// A plug-in that crashes the bar inside its TSI_InitSnapIn: the next start
// skips it and says so once; the start after that skips it silently.
TEST_F(BarE2e, APlugInThatCrashedTheBarIsSkippedAndTheUserToldOnce) {
  ASSERT_TRUE(QFile::copy(HOSTILE_SNAPINS "/crash.tsi", folder_.Path() + "/snapins/crash.tsi"));
  Layout(
      "[tolvexBar]\nCount=3\n[Link1]\nType=P\nName=Eins\n"
      "[Link2]\nType=S\nSnapIn=crash.tsi\n[Link3]\nType=S\nSnapIn=sample.tsi\n");
  const QString native = "toolbar,desktop,libraries";
  auto errors = [&](int start) { return work_.path() + QString("/errors%1.txt").arg(start); };

  QProcess& crashed = StartWritingErrorsTo(errors(1), native);
  ASSERT_TRUE(crashed.waitForFinished(30000));
  EXPECT_FALSE(crashed.exitStatus() == QProcess::NormalExit && crashed.exitCode() == 0);
  EXPECT_EQ(Calls(), (QStringList{"crash load", "crash init"}));

  StartWritingErrorsTo(errors(2), native);
  ASSERT_FALSE(WaitForBar().isEmpty());
  QStringList dialogs;
  ASSERT_TRUE(WaitUntil([&] { return !(dialogs = Dialogs()).isEmpty(); }, 10000));
  EXPECT_EQ(dialogs.size(), 1);
  // The sample plug-in below the culprit is there.
  ASSERT_TRUE(WaitUntil([&] { return Calls().contains("sample show"); }));
  EXPECT_EQ(Calls().count("crash load"), 1);
  display_.Run("xdotool", {"windowactivate", "--sync", dialogs[0]});
  display_.Run("xdotool", {"key", "--window", dialogs[0], "Return"});
  EXPECT_TRUE(WaitUntil([&] { return Dialogs().isEmpty(); }, 10000));
  const QString path = folder_.Path() + "/snapins/crash.tsi";
  EXPECT_TRUE(folder_.ReadFile(errors(2)).contains(
      (path + ": ended the last run; skipped until the file changes").toUtf8()));
  processes_.back()->terminate();
  ASSERT_TRUE(processes_.back()->waitForFinished(10000));

  StartWritingErrorsTo(errors(3), native);
  ASSERT_FALSE(WaitForBar().isEmpty());
  ASSERT_TRUE(WaitUntil([&] { return Calls().count("sample show") == 2; }));
  QThread::msleep(1500);
  EXPECT_TRUE(Dialogs().isEmpty());
  EXPECT_EQ(Calls().count("crash load"), 1);
  EXPECT_TRUE(folder_.ReadFile(errors(3)).contains(
      (path + ": ended an earlier run and is skipped").toUtf8()));
}

}  // namespace
}  // namespace tolvex::test

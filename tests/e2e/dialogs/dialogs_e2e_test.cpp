// The element dialogs in the real binary on a private X display with
// openbox, driven by mouse and keys as a person would: Escape in the
// settings dialog leaves the layout file as it was, a launcher added through
// "&Hinzufügen..." is saved and built, and one deleted through the element
// menu is gone from the file and the bar. The simulated shell records the
// launches that show which launcher stands where.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// The tops of the launchers without icons: the header is 26 pixels high and
// each launcher 25.
constexpr int kFirstLauncherY = 26 + 12;
constexpr int kSecondLauncherY = 26 + 25 + 12;

class DialogsE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    ASSERT_TRUE(work_.isValid());
    QDir().mkpath(folder_.ConfigHome());
  }
  void TearDown() override {
    if (bar_) {
      bar_->terminate();
      if (!bar_->waitForFinished(5000)) bar_->kill();
      bar_->waitForFinished(1000);
    }
  }

  // Starts the bar on `layout`; its window id once it is mapped.
  QString Start(const QByteArray& layout) {
    folder_.WriteFile("tolvexbar.dat", layout);
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    // ASan's strict string checks abort in Qt's X11 keyboard set-up.
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", work_.path());
    bar_ = folder_.Start(env);
    QString id;
    WaitUntil([&] {
      id = Windows("^TolvexBar$").value(0);
      return !id.isEmpty();
    });
    // The placement settles once the event loop runs.
    QThread::msleep(500);
    return id;
  }
  QStringList Windows(const QString& name) const {
    return display_.Run("xdotool", {"search", "--onlyvisible", "--name", name})
        .split('\n', Qt::SkipEmptyParts);
  }
  bool WaitForWindow(const QString& name) const {
    return WaitUntil([&] { return !Windows(name).isEmpty(); });
  }
  void Click(const QString& id, int x, int y, int button = 1) const {
    display_.Run("xdotool", {"mousemove", "--window", id, QString::number(x), QString::number(y),
                             "click", QString::number(button)});
    QThread::msleep(300);
  }
  void Keys(const QStringList& keys) const {
    for (const QString& key : keys) {
      display_.Run("xdotool", {"key", key});
      QThread::msleep(150);
    }
  }
  QString LayoutPath() const { return folder_.ConfigHome() + "/tolvex/tolvexbar.dat"; }
  QByteArray LayoutBytes() const { return folder_.ReadFile(LayoutPath()); }
  // The targets the bar asked the shell to open.
  QStringList Opened() const {
    QStringList opened;
    for (const QString& line :
         QString::fromUtf8(folder_.ReadFile(folder_.SimLog())).split('\n', Qt::SkipEmptyParts)) {
      const QStringList fields = line.split('\t');
      if (fields.value(0) == "shell" && fields.value(1) == "open") opened << fields.value(2);
    }
    return opened;
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir work_;
  std::unique_ptr<QProcess> bar_;
};

constexpr char kTwoLaunchers[] =
    "[tolvexBar]\nCount=2\n"
    "[Link1]\nType=P\nName=Eins\nTarget=/nonexistent/eins\n"
    "[Link2]\nType=P\nName=Zwei\nTarget=/nonexistent/zwei\n";

TEST_F(DialogsE2e, EscapeInTheOptionsLeavesTheLayoutFileAsItWas) {
  const QString id = Start(kTwoLaunchers);
  ASSERT_FALSE(id.isEmpty());
  const QByteArray before = LayoutBytes();
  const QDateTime modified = QFileInfo(LayoutPath()).lastModified();
  Click(id, 30, 12);
  Keys({"Down", "Return"});
  ASSERT_TRUE(WaitForWindow("^Einstellungen"));
  Keys({"Escape"});
  EXPECT_TRUE(WaitUntil([&] { return Windows("^Einstellungen").isEmpty(); }));
  EXPECT_EQ(LayoutBytes(), before);
  EXPECT_EQ(QFileInfo(LayoutPath()).lastModified(), modified);
}

TEST_F(DialogsE2e, ALauncherAddedThroughTheWizardIsSavedAndBuilt) {
  const QString id = Start(
      "[tolvexBar]\nCount=1\n[Link1]\nType=P\nName=Eins\n"
      "Target=/nonexistent/eins\n");
  ASSERT_FALSE(id.isEmpty());
  const QString program = work_.path() + "/my.tool.exe";
  ASSERT_TRUE(QFile(program).open(QIODevice::WriteOnly));

  // The element menu of the bar's empty area offers only "&Hinzufügen...".
  Click(id, 50, 400, 3);
  Keys({"Down", "Return"});
  ASSERT_TRUE(WaitForWindow("^Neues Element"));
  Keys({"alt+e"});
  display_.Run("xdotool", {"type", "--delay", "5", program});
  // "&Weiter >" proposes the name "my", "&Fertig stellen" ends the wizard.
  Keys({"Return", "Return"});
  ASSERT_TRUE(WaitUntil([&] { return LayoutBytes().contains("Name=my\n"); }))
      << LayoutBytes().toStdString();
  EXPECT_TRUE(LayoutBytes().contains("Count=2"));
  EXPECT_TRUE(LayoutBytes().contains(("Target=" + program).toUtf8()));

  // The bar hides while it builds its elements.
  ASSERT_TRUE(WaitForWindow("^TolvexBar$"));
  QThread::msleep(500);
  Click(id, 50, kSecondLauncherY);
  EXPECT_TRUE(WaitUntil([&] { return Opened().contains(program); }))
      << Opened().join(", ").toStdString();
}

TEST_F(DialogsE2e, ALauncherDeletedThroughTheElementMenuIsGone) {
  const QString id = Start(kTwoLaunchers);
  ASSERT_FALSE(id.isEmpty());
  Click(id, 50, kFirstLauncherY, 3);
  // "&Hinzufügen...", "&Eigenschaften...", "&Löschen"; the question's
  // default answer is "&Ja".
  Keys({"Down", "Down", "Down", "Return"});
  QThread::msleep(500);
  Keys({"Return"});
  ASSERT_TRUE(WaitUntil([&] { return !LayoutBytes().contains("Name=Eins"); }))
      << LayoutBytes().toStdString();
  EXPECT_TRUE(LayoutBytes().contains("Count=1"));
  ASSERT_TRUE(WaitForWindow("^TolvexBar$"));
  QThread::msleep(500);
  // "Zwei" moved up into the first place.
  Click(id, 50, kFirstLauncherY);
  EXPECT_TRUE(WaitUntil([&] { return Opened().contains("/nonexistent/zwei"); }))
      << Opened().join(", ").toStdString();
}

}  // namespace
}  // namespace tolvex::test

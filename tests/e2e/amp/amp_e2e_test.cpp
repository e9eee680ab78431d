// The real binary on a private X display with the simulated media player: a
// floating bar that holds only the remote panel; the stored volume sent at
// start and a click on play.
#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

#include "support/bar_on_display.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// The panel lies below the header (24) and its line (2); its buttons are
// 16 pixels square at y = 1.
constexpr int kButtonY = 26 + 1 + 8;

class AmpE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    folder_.WriteFile("tolvexbar.dat", "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=1\n");
    folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\n[tolvexAmp]\nVolume=200\n");
  }
  void TearDown() override { Stop(); }

  QString Start() {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("TOLVEX_SIM_MEDIA_PLAYER", "1");
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    bar_ = folder_.Start(env);
    return WaitForBarWindow(display_);
  }
  void Stop() {
    if (!bar_) return;
    bar_->terminate();
    if (!bar_->waitForFinished(5000)) bar_->kill();
    bar_->waitForFinished(1000);
    bar_.reset();
  }
  QStringList PlayerLog() const {
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(folder_.ReadFile(folder_.SimLog())).split('\n', Qt::SkipEmptyParts)) {
      if (line.startsWith("mediaplayer\t") && !line.startsWith("mediaplayer\tprefer"))
        lines << line;
    }
    return lines;
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> bar_;
};

TEST_F(AmpE2e, TheStoredVolumeGoesToThePlayerAndPlayIsClicked) {
  const QString id = Start();
  ASSERT_FALSE(id.isEmpty());
  ASSERT_TRUE(WaitUntil([&] { return !PlayerLog().isEmpty(); }));
  display_.Run("xdotool", {"mousemove", "--window", id, QString::number(17 + 8),
                           QString::number(kButtonY), "click", "1"});
  ASSERT_TRUE(WaitUntil([&] { return PlayerLog().size() >= 2; }));
  EXPECT_EQ(PlayerLog(), (QStringList{"mediaplayer\tvolume\t200", "mediaplayer\tcommand\tplay"}));
}

}  // namespace
}  // namespace tolvex::test

// The real binary on a private X display with the simulated media player: a
// floating bar that holds only the remote panel; the stored volume sent at
// start and a click on play.
#include <gtest/gtest.h>

#include "support/panel_bar_e2e.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

// The panel lies below the header (24) and its line (2); its buttons are
// 16 pixels square at y = 1.
constexpr int kButtonY = kHeader + 1 + 8;

class AmpE2e : public PanelBarE2e {
 protected:
  void SetUp() override { Prepare({1}, "[tolvexAmp]\nVolume=200\n"); }
  QString Start() {
    QProcessEnvironment env;
    env.insert("TOLVEX_SIM_MEDIA_PLAYER", "1");
    return PanelBarE2e::Start(env);
  }
  QStringList PlayerLog() const {
    QStringList lines = SimLog("mediaplayer\t");
    lines.removeIf([](const QString& line) { return line.startsWith("mediaplayer\tprefer"); });
    return lines;
  }
};

TEST_F(AmpE2e, TheStoredVolumeGoesToThePlayerAndPlayIsClicked) {
  const QString id = Start();
  ASSERT_FALSE(id.isEmpty());
  ASSERT_TRUE(WaitUntil([&] { return !PlayerLog().isEmpty(); }));
  Click(id, 17 + 8, kButtonY);
  ASSERT_TRUE(WaitUntil([&] { return PlayerLog().size() >= 2; }));
  EXPECT_EQ(PlayerLog(), (QStringList{"mediaplayer\tvolume\t200", "mediaplayer\tcommand\tplay"}));
}

}  // namespace
}  // namespace tolvex::test

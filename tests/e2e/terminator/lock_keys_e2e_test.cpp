// The lock keys on a private X server (Xvfb keeps its keyboard state between
// clients, -noreset): reading and switching them off through the keyboard
// extension, read back by another client; and the shutdown panel switching
// Caps Lock off before shutting down but not before restarting.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "../../widget/terminator/terminator_fixture.h"
#include "platform/sim/sim_session.h"
#include "platform/x11/x11_lock_keys.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

using platform::LockKey;

// The light of `name` ("Caps Lock", "Num Lock", "Scroll Lock") as another
// client of the display sees it.
bool LightOn(const XvfbSession& display, const QString& name) {
  const QString state = display.Run("xset", {"q"});
  const QRegularExpression re(QRegularExpression::escape(name) + ":\\s+(on|off)");
  return re.match(state).captured(1) == "on";
}

class LockKeysOnX : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    connection_ = xcb_connect(display_.Display().toLatin1().constData(), nullptr);
    ASSERT_FALSE(xcb_connection_has_error(connection_));
  }
  void TearDown() override { xcb_disconnect(connection_); }

  // Presses a lock key on the private display; it toggles its light.
  void Press(const char* keysym) { display_.Run("xdotool", {"key", keysym}); }

  XvfbSession display_{640, 480, false};
  xcb_connection_t* connection_ = nullptr;
};

TEST_F(LockKeysOnX, EachLitKeyIsSeenAndSwitchedOffForOtherClientsToo) {
  platform::x11::X11LockKeys keys(connection_);
  struct Row {
    LockKey key;
    const char* keysym;
    const char* light;
  };
  for (const Row& row : {Row{LockKey::CapsLock, "Caps_Lock", "Caps Lock"},
                         Row{LockKey::NumLock, "Num_Lock", "Num Lock"}}) {
    EXPECT_FALSE(keys.IsOn(row.key)) << row.light;
    Press(row.keysym);
    ASSERT_TRUE(LightOn(display_, row.light)) << row.light;
    EXPECT_TRUE(keys.IsOn(row.key)) << row.light;
    keys.SwitchOff(row.key);
    EXPECT_FALSE(keys.IsOn(row.key)) << row.light;
    EXPECT_FALSE(LightOn(display_, row.light)) << row.light;
  }
}

TEST_F(LockKeysOnX, ScrollLockIsKnownByItsIndicator) {
  platform::x11::X11LockKeys keys(connection_);
  EXPECT_FALSE(keys.IsOn(LockKey::ScrollLock));
  display_.Run("xset", {"led", "named", "Scroll Lock"});
  ASSERT_TRUE(LightOn(display_, "Scroll Lock"));
  EXPECT_TRUE(keys.IsOn(LockKey::ScrollLock));
  keys.SwitchOff(LockKey::ScrollLock);
  EXPECT_FALSE(LightOn(display_, "Scroll Lock"));
  // Caps Lock is left alone by switching Scroll Lock off.
  EXPECT_FALSE(keys.IsOn(LockKey::CapsLock));
}

TEST(LockKeysWithoutX, EveryKeyReadsOffAndNothingHappens) {
  platform::x11::X11LockKeys keys(nullptr);
  EXPECT_FALSE(keys.IsOn(LockKey::CapsLock));
  keys.SwitchOff(LockKey::NumLock);
}

// The simulated session with the lock keys of a real X display.
class SessionWithXLockKeys : public platform::sim::SimSession {
 public:
  explicit SessionWithXLockKeys(xcb_connection_t* connection) : keys_(connection) {}
  bool IsLockKeyOn(LockKey key) override { return keys_.IsOn(key); }
  void SwitchLockKeyOff(LockKey key) override {
    SimSession::SwitchLockKeyOff(key);
    keys_.SwitchOff(key);
  }

 private:
  platform::x11::X11LockKeys keys_;
};

class PanelLockKeysOnX : public TerminatorTest {
 protected:
  void SetUp() override {
    TerminatorTest::SetUp();
    ASSERT_TRUE(display_.IsRunning());
    connection_ = xcb_connect(display_.Display().toLatin1().constData(), nullptr);
    ASSERT_FALSE(xcb_connection_has_error(connection_));
    auto session = std::make_unique<SessionWithXLockKeys>(connection_);
    session_ = session.get();
    platform::SetSession(std::move(session));
  }
  void TearDown() override {
    TerminatorTest::TearDown();
    xcb_disconnect(connection_);
  }

  XvfbSession display_{640, 480, false};
  xcb_connection_t* connection_ = nullptr;
};

TEST_F(PanelLockKeysOnX, CapsLockGoesOffBeforeShuttingDownButStaysOnForARestart) {
  Config("TolvexTerminator", "LightsOut", 1);
  display_.Run("xdotool", {"key", "Caps_Lock"});
  ASSERT_TRUE(LightOn(display_, "Caps Lock"));
  TfrTerminator& panel = Panel();
  Run(panel.acReboot());
  EXPECT_TRUE(LightOn(display_, "Caps Lock"));
  EXPECT_EQ(session_->Calls(), (std::vector<std::string>{"privilege reboot", "request reboot"}));
  Run(panel.acShutdown());
  EXPECT_FALSE(LightOn(display_, "Caps Lock"));
  EXPECT_EQ(session_->Calls().at(2), "lock-key-off caps-lock");
}

}  // namespace
}  // namespace tolvex::test

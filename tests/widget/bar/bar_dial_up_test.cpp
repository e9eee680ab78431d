// The bar's dial-up component: it lives as long as the bar, its connected
// and disconnected events reach the dial-up panel when one is on the bar,
// and closing the bar hangs up.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/bar_window.h"
#include "app/builtin_panels.h"
#include "app/dial_up_notices.h"
#include "app/ras_component.h"
#include "app/snapin_panel.h"
#include "platform/sim/sim_dial_up.h"

namespace tolvex::test {
namespace {

// A dial-up panel that counts the notices it gets.
class NoticePanel : public TSnapInPanel, public IDialUpNotices {
 public:
  explicit NoticePanel(ISnapInHost& host) : TSnapInPanel(host) { resize(104, 24); }
  void Start() override {}
  void ConnectedNotice() override { ++connected; }
  void DisconnectedNotice() override { ++disconnected; }

  static inline int connected = 0;
  static inline int disconnected = 0;
};

class BarDialUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
    QDir().mkpath(home_.path() + "/.config");
    auto service = std::make_unique<platform::sim::SimDialUp>();
    sim_ = service.get();
    sim_->AddEntry("Mobil");
    platform::SetDialUp(std::move(service));
    previous_ = RegisterBuiltInPanel(kDialUpSnapIn,
                                     [](ISnapInHost& host) { return new NoticePanel(host); });
    NoticePanel::connected = NoticePanel::disconnected = 0;
    bar_ = std::make_unique<TwTolvexDesktop>();
  }
  void TearDown() override {
    bar_.reset();
    RegisterBuiltInPanel(kDialUpSnapIn, previous_);
    platform::SetDialUp(nullptr);
  }

  void Layout(const QString& kind) {
    TtxIniFile& layout = bar_->LayoutFile();
    layout.WriteInteger("tolvexBar", "Count", 1);
    layout.WriteString("Link1", "Type", "S");
    layout.WriteString("Link1", "Kind", kind);
    bar_->BuildElements(0);
  }

  QTemporaryDir home_;
  platform::sim::SimDialUp* sim_ = nullptr;
  TBuiltInPanelFactory previous_;
  std::unique_ptr<TwTolvexDesktop> bar_;
};

TEST_F(BarDialUp, EventsReachTheDialUpPanelOnlyWhenOneIsOnTheBar) {
  struct Case {
    const char* kind;
    int notices;
  };
  for (const Case& c : {Case{"5", 1}, Case{"3", 0}}) {
    SCOPED_TRACE(c.kind);
    NoticePanel::connected = NoticePanel::disconnected = 0;
    Layout(c.kind);
    ASSERT_TRUE(bar_->txRas().Dial(0));
    sim_->SetState(sim_->LastDialHandle(), platform::kStateConnected);
    sim_->SetState(sim_->LastDialHandle(), platform::kStateDisconnected);
    EXPECT_EQ(NoticePanel::connected, c.notices);
    EXPECT_EQ(NoticePanel::disconnected, c.notices);
  }
}

TEST_F(BarDialUp, ClosingTheBarHangsUp) {
  EXPECT_FALSE(bar_->txRas().KeepConnected());
  ASSERT_TRUE(bar_->txRas().Dial(0));
  sim_->SetState(sim_->LastDialHandle(), platform::kStateConnected);
  Layout("5");
  EXPECT_TRUE(bar_->txRas().Connected()) << "a rebuild keeps the connection";
  bar_.reset();
  EXPECT_EQ(sim_->ConnectionCount(), 0u);
}

}  // namespace
}  // namespace tolvex::test

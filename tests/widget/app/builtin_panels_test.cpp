// Built-in panels: the registry of factories, the program-wide references
// reset at every build, the order of the contract, heights, the final save,
// and the element list's stacking.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <map>
#include <stdexcept>

#include "app/builtin_panels.h"
#include "app/builtin_snapins.h"
#include "app/snapin_panel.h"
#include "test_bar.h"

namespace tolvex::test {
namespace {

// What the test panels did, by panel number.
struct PanelRecord {
  int starts = 0;
  int saves = 0;
  QRect geometryAtStart;
};
std::map<int, PanelRecord> records;

class TestPanel : public TSnapInPanel {
 public:
  TestPanel(ISnapInHost& host, int number, int heightAfterStart, bool failStart)
      : TSnapInPanel(host),
        number_(number),
        heightAfterStart_(heightAfterStart),
        failStart_(failStart) {
    resize(80, 24);  // the designed height
  }
  void Start() override {
    PanelRecord& record = records[number_];
    ++record.starts;
    record.geometryAtStart = geometry();
    Host().AddBarSubmenu(menu);
    if (failStart_) throw std::runtime_error("start failed");
    if (heightAfterStart_ > 0) resize(width(), heightAfterStart_);
  }
  void SaveSettings() override { ++records[number_].saves; }

  QMenu menu;

 private:
  int number_;
  int heightAfterStart_;
  bool failStart_;
};

class BuiltInPanels : public ::testing::Test {
 protected:
  void SetUp() override {
    records.clear();
    bar_.show();
  }
  void TearDown() override {
    bar_.controls.Clear();
    for (const auto& [number, factory] : previous_) RegisterBuiltInPanel(number, factory);
    ResetBuiltInPanels();
  }

  void Register(int number, int heightAfterStart = 0, bool failStart = false) {
    auto previous = RegisterBuiltInPanel(number, [=](ISnapInHost& host) {
      return new TestPanel(host, number, heightAfterStart, failStart);
    });
    previous_.emplace(number, std::move(previous));
  }
  int Place(int number, int y) { return PlaceBuiltInPanel(bar_, bar_.controls, number, y); }

  TestBar bar_;
  std::map<int, TBuiltInPanelFactory> previous_;
};

TEST_F(BuiltInPanels, APanelIsBuiltPlacedAndStartedOnTheBar) {
  Register(4);
  EXPECT_EQ(Place(4, 50), 74);
  auto* panel = static_cast<TestPanel*>(BuiltInPanel(4));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->parentWidget(), &bar_);
  EXPECT_EQ(records[4].geometryAtStart, QRect(0, 50, bar_.width(), 24));
  EXPECT_EQ(panel->menu.actions().last()->text(), "&tolvexBar");
  EXPECT_EQ(bar_.controls.IndexOf(panel), 0);
  EXPECT_TRUE(panel->isVisible());
}

TEST_F(BuiltInPanels, ANumberHasOnePanelPerBuild) {
  Register(3);
  const int y = Place(3, TestBar::kTop);
  EXPECT_EQ(Place(3, y), y);  // a second clock section adds nothing
  EXPECT_EQ(bar_.controls.Count(), 1);
  EXPECT_EQ(records[3].starts, 1);

  // The next build resets the references first; a partial build therefore
  // adds the same kind a second time.
  ResetBuiltInPanels();
  EXPECT_EQ(BuiltInPanel(3), nullptr);
  Place(3, y);
  EXPECT_EQ(bar_.controls.Count(), 2);
  EXPECT_EQ(BuiltInPanel(3), bar_.controls.Control(1));

  // A destroyed panel leaves no reference behind.
  bar_.controls.Clear();
  EXPECT_EQ(BuiltInPanel(3), nullptr);
}

TEST_F(BuiltInPanels, ANumberWithoutAPanelAddsNothing) {
  for (int number : {0, 1, 2, 7, 8, -1}) {
    EXPECT_EQ(Place(number, TestBar::kTop), TestBar::kTop) << number;
    EXPECT_EQ(BuiltInPanel(number), nullptr) << number;
  }
  EXPECT_EQ(bar_.controls.Count(), 0);
  EXPECT_FALSE(RegisterBuiltInPanel(8, [](ISnapInHost&) { return nullptr; }));
}

TEST_F(BuiltInPanels, APanelGrowingInStartPushesTheNextElementsDown) {
  Register(3, 384);
  Register(5);
  const int y = Place(3, TestBar::kTop);
  EXPECT_EQ(y, TestBar::kTop + 384);
  EXPECT_EQ(Place(5, y), y + 24);
  EXPECT_EQ(BuiltInPanel(5)->y(), TestBar::kTop + 384);
  EXPECT_EQ(bar_.restacks, 0);  // Start's own height is not a change to restack for
}

TEST_F(BuiltInPanels, AHeightChangeAfterStartRestacksTheBar) {
  Register(7);
  Register(4);
  Place(4, Place(7, TestBar::kTop));
  BuiltInPanel(7)->resize(bar_.width(), 60);
  EXPECT_EQ(bar_.restacks, 1);
  EXPECT_EQ(BuiltInPanel(4)->y(), TestBar::kTop + 60);
  BuiltInPanel(7)->resize(200, 60);  // the width alone is no reason
  EXPECT_EQ(bar_.restacks, 1);
}

TEST_F(BuiltInPanels, OnlyTheWinampAndClockPanelsAreSavedByTheBar) {
  int y = TestBar::kTop;
  for (int number = FirstBuiltInSnapIn; number <= LastBuiltInSnapIn; ++number) {
    Register(number);
    y = Place(number, y);
  }
  bar_.controls.SaveBuiltInPanelSettings();
  for (int number = FirstBuiltInSnapIn; number <= LastBuiltInSnapIn; ++number) {
    EXPECT_EQ(records[number].saves, number == 2 || number == 3 ? 1 : 0) << number;
  }
}

TEST_F(BuiltInPanels, APanelWhoseStartFailsIsDestroyed) {
  Register(6, 0, true);
  EXPECT_THROW(Place(6, TestBar::kTop), std::runtime_error);
  EXPECT_EQ(BuiltInPanel(6), nullptr);
  EXPECT_EQ(bar_.controls.Count(), 0);
  EXPECT_TRUE(bar_.findChildren<TSnapInPanel*>().isEmpty());
}

TEST(ElementControls, MovedEntriesRestackInTheirNewOrder) {
  TestBar bar;
  const int heights[] = {25, 38, 20};
  for (int height : heights) {
    auto* button = new QPushButton(&bar);
    button->resize(104, height);
    bar.controls.Append(button);
  }
  QWidget* first = bar.controls.Control(0);
  bar.controls.Move(0, 2);
  EXPECT_EQ(bar.controls.IndexOf(first), 2);
  EXPECT_EQ(bar.controls.Restack(TestBar::kTop), TestBar::kTop + 83);
  EXPECT_EQ(first->y(), TestBar::kTop + 58);
  bar.controls.FitWidths(90);
  EXPECT_EQ(first->width(), 90);
  bar.controls.Move(0, 5);  // out of range: nothing moves
  EXPECT_EQ(bar.controls.IndexOf(first), 2);
}

}  // namespace
}  // namespace tolvex::test

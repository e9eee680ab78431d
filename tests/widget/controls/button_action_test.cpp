// Actions shared by menus and buttons, and buttons driven by an action.
#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "controls/action.h"
#include "controls/button.h"

namespace tolvex::test {
namespace {

class ActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    images_.Add(QPixmap(16, 8));
    images_.Add(QPixmap(16, 8));
    actions_.SetImages(&images_);
    action_ = new TtxAction("&Automatisch im Hintergrund", &actions_);
    action_->SetHint("Verkleinert die Leiste");
    action_->SetHelpContext(12);
    action_->SetImageIndex(1);
    action_->setCheckable(true);
    action_->setChecked(true);
  }

  TtxImageList images_{QSize(16, 8)};
  TtxActionList actions_;
  TtxAction* action_ = nullptr;
  QWidget window_;
};

TEST_F(ActionTest, ButtonTakesEverythingFromItsAction) {
  auto* button = new TrButton(&window_);
  button->SetAction(action_);
  EXPECT_EQ(button->Caption(), "&Automatisch im Hintergrund");
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(button->HelpContext(), 12);
  EXPECT_EQ(button->Hint(), "Verkleinert die Leiste");
  EXPECT_EQ(button->ImageIndex(), 1);
  EXPECT_EQ(button->ImageList(), &images_);
  EXPECT_FALSE(button->isHidden());

  action_->setEnabled(false);
  action_->setVisible(false);
  auto* hidden = new TrButton(&window_);
  hidden->SetAction(action_);
  EXPECT_FALSE(hidden->isEnabled());
  EXPECT_TRUE(hidden->isHidden());
}

TEST_F(ActionTest, ButtonFollowsCaptionEnabledHintAndVisibilityOnly) {
  auto* button = new TrButton(&window_);
  button->SetAction(action_);
  action_->setText("Neu");
  action_->setEnabled(false);
  action_->SetHint("Anders");
  action_->setVisible(false);
  action_->setChecked(false);
  action_->SetImageIndex(0);
  EXPECT_EQ(button->Caption(), "Neu");
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->Hint(), "Anders");
  EXPECT_TRUE(button->isHidden());
  EXPECT_TRUE(button->Down()) << "the checked state is taken once";
  EXPECT_EQ(button->ImageIndex(), 1) << "the image is taken once";

  action_->setVisible(true);
  action_->setEnabled(true);
  EXPECT_FALSE(button->isHidden());
  EXPECT_TRUE(button->isEnabled());
}

TEST_F(ActionTest, ClickExecutesTheActionsCurrentHandler) {
  auto* button = new TrButton(&window_);
  button->SetAction(action_);
  int first = 0;
  int second = 0;
  const auto connection = QObject::connect(action_, &QAction::triggered, [&] { ++first; });
  button->Click();
  QObject::disconnect(connection);
  QObject::connect(action_, &QAction::triggered, [&] { ++second; });
  button->Click();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);

  action_->setEnabled(false);
  button->Click();
  EXPECT_EQ(second, 1) << "a disabled action does not run";
}

TEST_F(ActionTest, ButtonForgetsADestroyedAction) {
  auto* button = new TrButton(&window_);
  button->SetAction(action_);
  delete action_;
  EXPECT_EQ(button->Action(), nullptr);
  QSignalSpy clicks(button, &TrButton::Clicked);
  button->Click();
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ActionTest, ActionsDrawFromTheirListsImages) {
  QMenu menu;
  menu.addAction(action_);
  EXPECT_FALSE(action_->icon().isNull()) << "menus show the action's image";
  action_->SetImageIndex(-1);
  EXPECT_TRUE(action_->icon().isNull());
  action_->SetImageIndex(0);

  TtxAction loose("Lose", nullptr);
  EXPECT_EQ(loose.ImageList(), nullptr);

  QSignalSpy imageChanges(action_, &TtxAction::ImageChanged);
  actions_.SetImages(nullptr);
  EXPECT_EQ(action_->ImageList(), nullptr);
  EXPECT_TRUE(action_->icon().isNull());
  EXPECT_EQ(imageChanges.count(), 1);
}

TEST_F(ActionTest, ListForgetsDestroyedImages) {
  auto images = std::make_unique<TtxImageList>(QSize(16, 8));
  images->Add(QPixmap(16, 8));
  actions_.SetImages(images.get());
  action_->SetImageIndex(0);
  EXPECT_FALSE(action_->icon().isNull());
  images.reset();
  EXPECT_EQ(action_->ImageList(), nullptr);
  EXPECT_TRUE(action_->icon().isNull());
}

}  // namespace
}  // namespace tolvex::test

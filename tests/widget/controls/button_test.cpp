// The image button's properties, hover, mouse and key handling.
#include <QSignalSpy>
#include <QTimer>

#include "button_fixture.h"

namespace tolvex::test {
namespace {

using State = TrButton::TButtonState;

TEST(TrButtonTest, StartsWithItsDocumentedValues) {
  TrButton button;
  const QColor face = button.palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(button.size(), QSize(25, 25));
  EXPECT_EQ(button.Color(), face);
  EXPECT_EQ(button.ColorFocused(), face);
  EXPECT_EQ(button.ColorDown(), face);
  EXPECT_EQ(button.ColorBorder(), face);
  EXPECT_EQ(button.ColorHighLight(), QColor(Qt::white));
  EXPECT_EQ(button.ColorShadow(), QColor(Qt::black));
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(button.ImageIndex(), 0);
  EXPECT_EQ(button.ImageList(), nullptr);
  EXPECT_TRUE(button.Picture().isNull());
  EXPECT_FALSE(button.SmallIcon());
  EXPECT_FALSE(button.TabStop());
  EXPECT_TRUE(button.hasMouseTracking());
  EXPECT_EQ(button.ButtonState(), State::Up);
  EXPECT_FALSE(button.Hot());
  EXPECT_FALSE(button.Pressing());
}

TEST(TrButtonTest, FaceColoursFollowThePaletteUntilSet) {
  TrButton button;
  QPalette palette = button.palette();
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  button.setPalette(palette);
  EXPECT_EQ(button.ColorBorder(), QColor(1, 2, 3));
  button.SetColorBorder(Qt::red);
  palette.setColor(QPalette::Button, QColor(4, 5, 6));
  button.setPalette(palette);
  EXPECT_EQ(button.ColorBorder(), QColor(Qt::red));
  EXPECT_EQ(button.Color(), QColor(4, 5, 6));
}

TEST(TrButtonTest, EachColourSetterKeepsItsOwnColour) {
  TrButton button;
  button.SetColor(QColor(1, 0, 0));
  button.SetColorFocused(QColor(2, 0, 0));
  button.SetColorDown(QColor(3, 0, 0));
  button.SetColorBorder(QColor(4, 0, 0));
  button.SetColorHighLight(QColor(5, 0, 0));
  button.SetColorShadow(QColor(6, 0, 0));
  EXPECT_EQ(button.Color(), QColor(1, 0, 0));
  EXPECT_EQ(button.ColorFocused(), QColor(2, 0, 0));
  EXPECT_EQ(button.ColorDown(), QColor(3, 0, 0));
  EXPECT_EQ(button.ColorBorder(), QColor(4, 0, 0));
  EXPECT_EQ(button.ColorHighLight(), QColor(5, 0, 0));
  EXPECT_EQ(button.ColorShadow(), QColor(6, 0, 0));
}

TEST(TrButtonTest, SharedHoverTimerLivesWithTheButtons) {
  ASSERT_EQ(TrButton::HoverTimer(), nullptr);
  {
    TrButton first;
    QTimer* timer = TrButton::HoverTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_FALSE(timer->isActive());
    {
      TrButton second;
      EXPECT_EQ(TrButton::HoverTimer(), timer);
    }
    EXPECT_EQ(TrButton::HoverTimer(), timer);
  }
  EXPECT_EQ(TrButton::HoverTimer(), nullptr);
}

TEST_F(ButtonWindow, PressMovingOutAndReleasingDoesNotClickAndLeavesItFlat) {
  QSignalSpy clicks(a_, &TrButton::Clicked);
  QTest::mousePress(a_, Qt::LeftButton, {}, QPoint(30, 12));
  EXPECT_TRUE(a_->Pressing());
  EXPECT_EQ(Face(*a_), Sunken(kDown));

  QTest::mouseMove(a_, QPoint(30, 40));
  EXPECT_EQ(a_->ButtonState(), State::Up);
  QTest::mouseMove(a_, QPoint(30, 20));
  EXPECT_EQ(a_->ButtonState(), State::Pressed);
  EXPECT_EQ(Face(*a_), Sunken(kDown));
  QTest::mouseMove(a_, QPoint(70, 12));

  QTest::mouseRelease(a_, Qt::LeftButton, {}, QPoint(70, 12));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(a_->Pressing());
  EXPECT_FALSE(a_->Hot());
  EXPECT_EQ(Face(*a_), Flat());
}

TEST_F(ButtonWindow, ReleaseCountsInsideOnTheRowBelowButNotTheColumnRight) {
  struct Case {
    QPoint release;
    bool clicks;
  };
  // The button is 60 × 25.
  const Case cases[] = {
      {{59, 24}, true},  {{30, 25}, true},  {{0, 0}, true},    {{60, 12}, false},
      {{30, 26}, false}, {{-1, 12}, false}, {{30, -1}, false}, {{60, 25}, false},
  };
  for (const Case& c : cases) {
    QSignalSpy clicks(a_, &TrButton::Clicked);
    QTest::mousePress(a_, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseMove(a_, c.release);
    QTest::mouseRelease(a_, Qt::LeftButton, {}, c.release);
    EXPECT_EQ(clicks.count(), c.clicks ? 1 : 0)
        << "released at " << c.release.x() << ", " << c.release.y();
  }
}

TEST_F(ButtonWindow, LatchedDownStaysSunkenAndTurnsFocusedWhenHot) {
  a_->SetDown(true);
  EXPECT_EQ(a_->ButtonState(), State::Down);
  EXPECT_EQ(Face(*a_), Sunken(kDown));

  QTest::mousePress(a_, Qt::LeftButton, {}, QPoint(30, 12));
  EXPECT_EQ(a_->ButtonState(), State::Down);
  EXPECT_TRUE(a_->Hot());
  EXPECT_EQ(Face(*a_), Sunken(kFocused));
  QTest::mouseMove(a_, QPoint(100, 50));
  EXPECT_EQ(a_->ButtonState(), State::Down);
  EXPECT_EQ(Face(*a_), Sunken(kFocused));
  QTest::mouseRelease(a_, Qt::LeftButton, {}, QPoint(100, 50));
  EXPECT_EQ(Face(*a_), Sunken(kDown));

  a_->SetDown(false);
  EXPECT_EQ(a_->ButtonState(), State::Up);
  EXPECT_EQ(Face(*a_), Flat());
}

TEST_F(ButtonWindow, ClickingALatchedButtonKeepsItSunken) {
  a_->SetDown(true);
  QSignalSpy clicks(a_, &TrButton::Clicked);
  QTest::mouseClick(a_, Qt::LeftButton, {}, QPoint(30, 12));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(a_->ButtonState(), State::Down);
}

TEST_F(ButtonWindow, HotStateMovesAtOnceAndClearsOnTheNextTimerTick) {
  MoveTo(a_->geometry().center());
  EXPECT_TRUE(a_->Hot());
  EXPECT_EQ(TrButton::HotButton(), a_);
  EXPECT_TRUE(TrButton::HoverTimer()->isActive());
  EXPECT_EQ(Face(*a_), Raised(kFocused));

  MoveTo(b_->geometry().center());
  EXPECT_FALSE(a_->Hot());
  EXPECT_TRUE(b_->Hot());
  EXPECT_EQ(TrButton::HotButton(), b_);
  EXPECT_EQ(Face(*a_), Flat());

  MoveTo(Background());
  EXPECT_TRUE(b_->Hot()) << "the background gets no say until the timer ticks";
  QSignalSpy ticks(TrButton::HoverTimer(), &QTimer::timeout);
  ASSERT_TRUE(ticks.wait(1000));
  EXPECT_FALSE(b_->Hot());
  EXPECT_EQ(TrButton::HotButton(), nullptr);
  EXPECT_FALSE(TrButton::HoverTimer()->isActive());
  EXPECT_EQ(Face(*b_), Flat());
}

TEST_F(ButtonWindow, ComesBackHotAfterAPressReleasedOutside) {
  MoveTo(a_->geometry().center());
  QTest::mousePress(a_, Qt::LeftButton, {}, QPoint(30, 12));
  QTest::mouseMove(a_, QPoint(150, 60));
  QCursor::setPos(window_->mapToGlobal(Background()));
  QTest::mouseRelease(a_, Qt::LeftButton, {}, QPoint(150, 60));
  EXPECT_FALSE(a_->Hot());
  a_->clearFocus();
  MoveTo(a_->geometry().center());
  EXPECT_TRUE(a_->Hot());
}

TEST_F(ButtonWindow, DisabledButtonIgnoresTheMouseAndKeepsNoHotState) {
  MoveTo(a_->geometry().center());
  ASSERT_TRUE(a_->Hot());
  a_->setEnabled(false);
  EXPECT_FALSE(a_->Hot());
  EXPECT_EQ(a_->ButtonState(), State::Disabled);
  EXPECT_EQ(TrButton::HotButton(), nullptr);

  QSignalSpy clicks(a_, &TrButton::Clicked);
  MoveTo(b_->geometry().center());
  MoveTo(a_->geometry().center());
  QTest::mouseClick(a_, Qt::LeftButton, {}, QPoint(30, 12));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(a_->Hot());
  EXPECT_FALSE(a_->Pressing());
  EXPECT_EQ(Face(*a_), Flat());

  a_->setEnabled(true);
  EXPECT_TRUE(a_->Hot()) << "enabling re-evaluates the mouse over the button";
  a_->grab();
  EXPECT_EQ(a_->ButtonState(), State::Up);
}

TEST_F(ButtonWindow, SpaceKeyPressesAndClicksOnRelease) {
  QSignalSpy clicks(a_, &TrButton::Clicked);
  a_->setFocus();
  QTest::keyPress(a_, Qt::Key_Space);
  EXPECT_EQ(a_->ButtonState(), State::Pressed);
  EXPECT_EQ(clicks.count(), 0);
  QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(a_, &repeated);
  EXPECT_EQ(clicks.count(), 0) << "auto-repeat does not click";
  QTest::keyRelease(a_, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(a_->ButtonState(), State::Up);

  QTest::keyClick(a_, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, ScreenReadersReadTheCaptionOrElseTheHint) {
  a_->SetHint("Startet das Programm");
  EXPECT_EQ(a_->accessibleName(), "Startet das Programm");
  a_->SetCaption("&Datei && Ordner");
  EXPECT_EQ(a_->accessibleName(), "Datei & Ordner");
  a_->SetCaption("");
  EXPECT_EQ(a_->accessibleName(), "Startet das Programm");
}

TEST_F(ButtonWindow, OnlyFocusByTheKeyboardShowsTheFocusFrame) {
  a_->SetTabStop(true);
  b_->SetTabStop(true);
  const auto framed = [](TrButton* button) {
    const QImage face = button->grab().toImage();
    // The dotted frame lies two pixels inside the button's edge.
    for (int x = 2; x < face.width() - 2; ++x)
      if (face.pixelColor(x, 2) != face.pixelColor(x, 10)) return true;
    return false;
  };
  a_->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(framed(a_));
  b_->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(framed(a_));
  EXPECT_TRUE(framed(b_));
  a_->setFocus(Qt::BacktabFocusReason);
  EXPECT_TRUE(framed(a_));
  EXPECT_FALSE(framed(b_));
}

TEST_F(ButtonWindow, AcceleratorSetsDownAndClicks) {
  a_->SetCaption("&Ok");
  b_->SetCaption("&Weiter");
  b_->setEnabled(false);
  QSignalSpy clicksA(a_, &TrButton::Clicked);
  QSignalSpy clicksB(b_, &TrButton::Clicked);
  QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(clicksA.count(), 1);
  EXPECT_TRUE(a_->Down());
  QTest::keyClick(window_.get(), Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(clicksB.count(), 0);
  EXPECT_FALSE(b_->Down());

  a_->SetCaption("Ok");
  QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(clicksA.count(), 1) << "a changed caption drops the old accelerator";
  a_->SetCaption("Tom & Jerry");
  QTest::keyClick(window_.get(), Qt::Key_Space, Qt::AltModifier);
  EXPECT_EQ(clicksA.count(), 1) << "a space is no accelerator";
  a_->SetCaption(QString::fromUtf8("&Übersicht"));
  QTest::keyClick(window_.get(), Qt::Key_Udiaeresis, Qt::AltModifier);
  EXPECT_EQ(clicksA.count(), 2);
}

TEST_F(ButtonWindow, DoubleClickIsRaisedOnlyWhileDown) {
  for (bool down : {false, true}) {
    a_->SetDown(down);
    QSignalSpy clicks(a_, &TrButton::Clicked);
    QSignalSpy doubleClicks(a_, &TrButton::DblClicked);
    QTest::mouseClick(a_, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseDClick(a_, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseRelease(a_, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(doubleClicks.count(), down ? 1 : 0);
    EXPECT_EQ(clicks.count(), 2);
  }
}

TEST_F(ButtonWindow, OtherMouseButtonsDoNotPress) {
  QSignalSpy clicks(a_, &TrButton::Clicked);
  QTest::mouseClick(a_, Qt::RightButton, {}, QPoint(30, 12));
  QTest::mouseClick(a_, Qt::MiddleButton, {}, QPoint(30, 12));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(a_->ButtonState(), State::Up);
}

}  // namespace
}  // namespace tolvex::test

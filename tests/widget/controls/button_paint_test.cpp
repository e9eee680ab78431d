// What the image button draws: image and picture places, the caption box,
// and the greyed, embossed look of a disabled button.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "controls/button.h"

namespace tolvex::test {
namespace {

const QColor kMark(255, 0, 255);

QPixmap Solid(QSize size, const QColor& color = kMark) {
  QPixmap pixmap(size);
  pixmap.fill(color);
  return pixmap;
}

// The bounding box of the pixels that pass `match`.
template <class Match>
QRect Where(const QImage& image, Match match) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (match(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// Caption glyphs are smoothed: their cores are near the ink colour (black).
bool IsInk(const QColor& c) {
  return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

bool IsNear(const QColor& c, const QColor& wanted) {
  return std::abs(c.red() - wanted.red()) < 16 && std::abs(c.green() - wanted.green()) < 16 &&
         std::abs(c.blue() - wanted.blue()) < 16;
}

QRect WhereMark(TrButton& button) {
  return Where(button.grab().toImage(), [](const QColor& c) { return c == kMark; });
}

TEST(TrButtonPaint, PlacesImagesAndPictures) {
  struct Case {
    const char* name;
    QSize button;
    QString caption;
    QSize listImage;  // empty: no image list
    QSize picture;    // empty: no picture
    bool smallIcon;
    QRect expected;
  };
  const Case cases[] = {
      {"list image centred without caption", {23, 12}, "", {16, 8}, {}, false, {3, 2, 16, 8}},
      {"list image left with caption", {23, 12}, "x", {16, 8}, {}, false, {2, 4, 16, 8}},
      {"list image in a tall button", {80, 25}, "Uhr", {16, 16}, {}, false, {2, 6, 16, 16}},
      {"list image in a low button", {80, 14}, "Uhr", {16, 16}, {}, false, {2, 2, 16, 12}},
      {"picture", {80, 25}, "Editor", {}, {16, 16}, false, {2, 4, 16, 16}},
      {"large icon", {104, 38}, "Editor", {}, {32, 32}, false, {2, 3, 32, 32}},
      {"small icon", {104, 20}, "Editor", {}, {32, 32}, true, {2, 2, 16, 16}},
      {"picture wins over the list", {80, 25}, "", {16, 8}, {16, 16}, false, {2, 4, 16, 16}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TrButton button;
    button.resize(c.button);
    button.SetCaption(c.caption);
    TtxImageList list(c.listImage.isEmpty() ? QSize(16, 8) : c.listImage);
    if (!c.listImage.isEmpty()) {
      list.Add(Solid(c.listImage, Qt::darkGray));
      list.Add(Solid(c.listImage));
      button.SetImageList(&list);
      button.SetImageIndex(1);
    }
    if (!c.picture.isEmpty()) button.SetPicture(Solid(c.picture));
    button.SetSmallIcon(c.smallIcon);
    EXPECT_EQ(WhereMark(button), c.expected);
  }
}

TEST(TrButtonPaint, ShowsNoImageForANegativeIndexOrWithoutAList) {
  TrButton button;
  TtxImageList list(QSize(16, 8));
  list.Add(Solid(QSize(16, 8)));
  button.SetImageIndex(0);
  EXPECT_TRUE(WhereMark(button).isEmpty());
  button.SetImageList(&list);
  EXPECT_FALSE(WhereMark(button).isEmpty());
  button.SetImageIndex(-1);
  EXPECT_TRUE(WhereMark(button).isEmpty());
}

TEST(TrButtonPaint, FollowsTheImageListAndForgetsItWhenDestroyed) {
  TrButton button;
  auto list = std::make_unique<TtxImageList>(QSize(16, 8));
  list->Add(Solid(QSize(16, 8), Qt::darkGray));
  button.SetImageList(list.get());
  EXPECT_TRUE(WhereMark(button).isEmpty());
  list->Replace(0, Solid(QSize(16, 8)));
  EXPECT_FALSE(WhereMark(button).isEmpty());
  list.reset();
  EXPECT_EQ(button.ImageList(), nullptr);
  EXPECT_TRUE(WhereMark(button).isEmpty());
}

// A button of that height with a 16 × 16 image and the caption "Uhr".
class CaptionedButton : public ::testing::Test {
 protected:
  void Build(int height) {
    button_.resize(100, height);
    list_.Add(Solid(QSize(16, 16)));
    button_.SetImageList(&list_);
    button_.SetCaption("Uhr");
  }

  TtxImageList list_{QSize(16, 16)};
  TrButton button_;
};

TEST_F(CaptionedButton, CentresTheCaptionRightOfTheImage) {
  Build(40);
  TrButton& button = button_;
  const QRect glyphs = Where(button.grab().toImage(), IsInk);
  const int lineHeight = QFontMetrics(button.font()).height();
  const int top = (40 - lineHeight) / 2;
  ASSERT_FALSE(glyphs.isEmpty());
  EXPECT_GE(glyphs.left(), 16 + 4);
  EXPECT_GE(glyphs.top(), top);
  EXPECT_LT(glyphs.bottom(), top + lineHeight);
}

TEST_F(CaptionedButton, DisabledGreysTheImageAndEmbossesTheCaption) {
  Build(25);
  TrButton& button = button_;
  const QPalette palette = button.palette();
  const QColor light = palette.color(QPalette::Active, QPalette::Light);
  const QColor dark = palette.color(QPalette::Active, QPalette::Dark);
  ASSERT_FALSE(IsNear(light, button.Color()));
  ASSERT_FALSE(IsNear(dark, button.Color()));

  button.setEnabled(false);
  const QImage image = button.grab().toImage();
  EXPECT_EQ(button.ButtonState(), TrButton::TButtonState::Disabled);
  EXPECT_TRUE(Where(image, [](const QColor& c) { return c == kMark; }).isEmpty());
  const QRect greyed =
      Where(image.copy(2, 6, 16, 16), [&](const QColor& c) { return c != button.Color(); });
  EXPECT_EQ(greyed, QRect(0, 0, 16, 16)) << "the image is still there, greyed";
  EXPECT_TRUE(Where(image, IsInk).isEmpty());
  const QImage caption = image.copy(20, 0, 80, 25);
  const QRect lit = Where(caption, [&](const QColor& c) { return IsNear(c, light); });
  const QRect shaded = Where(caption, [&](const QColor& c) { return IsNear(c, dark); });
  ASSERT_FALSE(lit.isEmpty());
  ASSERT_FALSE(shaded.isEmpty());
  EXPECT_GT(lit.right(), shaded.right()) << "the light copy lies one pixel right and down";
  EXPECT_GT(lit.bottom(), shaded.bottom());
}

TEST(TrButtonPaint, DrawsTheFrameCornersLikeTheDesktopDoes) {
  TrButton button;
  button.resize(10, 10);
  button.SetDown(true);
  const QImage image = button.grab().toImage();
  const QColor shadow = button.ColorShadow();
  const QColor light = button.ColorHighLight();
  EXPECT_EQ(image.pixelColor(0, 0), shadow);
  EXPECT_EQ(image.pixelColor(8, 0), shadow);
  EXPECT_EQ(image.pixelColor(9, 0), light) << "top-right corner";
  EXPECT_EQ(image.pixelColor(0, 8), shadow);
  EXPECT_EQ(image.pixelColor(0, 9), light) << "bottom-left corner";
  EXPECT_EQ(image.pixelColor(9, 9), light);
  EXPECT_EQ(image.pixelColor(1, 1), button.ColorDown());
}

}  // namespace
}  // namespace tolvex::test

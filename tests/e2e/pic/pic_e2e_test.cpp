// The real binary on a private X display: a floating bar whose layout holds
// only the remote and the picture panel; the picture chosen through "Image"
// fills the bar's width at its own proportions, a metafile too.
#include <gtest/gtest.h>

#include <QImage>

#include "support/panel_bar_e2e.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

class PicE2e : public PanelBarE2e {};

TEST_F(PicE2e, TheRemoteAndAChosenPictureStandInOneFloatingBar) {
  const QString picture = runtime_.path() + "/Bild 200x100.png";
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(QColor(20, 180, 60));
  ASSERT_TRUE(image.save(picture));
  Prepare({1, 6}, "[TolvexPic]\nImage=" + picture.toUtf8() + "\n");
  const QString id = Start();
  ASSERT_FALSE(id.isEmpty());
  // The remote (35) above the picture, as wide as the bar and so half as high.
  const int remote = 35;
  const auto expected = [&] { return kHeader + remote + ClientArea(display_, id).width() / 2; };
  EXPECT_TRUE(WaitUntil([&] { return ClientArea(display_, id).height() == expected(); }, 5000))
      << ClientArea(display_, id).height() << " " << expected();
  const QRect area = ClientArea(display_, id);
  const QString pixel = display_.Run(
      "import", {"-window", "root", "-crop",
                 QString("1x1+%1+%2").arg(area.left() + 52).arg(area.top() + kHeader + remote + 26),
                 "txt:-"});
  EXPECT_TRUE(pixel.contains("srgb(20,180,60)")) << pixel.toStdString();
}

TEST_F(PicE2e, AMetafileIsDrawnAcrossTheBar) {
  const QString picture = QStringLiteral(TOLVEX_FIXTURE_DIR "/pic/drawing.wmf");
  Prepare({6}, "[TolvexPic]\nImage=" + picture.toUtf8() + "\n");
  const QString id = Start();
  ASSERT_FALSE(id.isEmpty());
  // The drawing is 160×120: the panel is three quarters as high as wide.
  const auto expected = [&] { return kHeader + ClientArea(display_, id).width() * 3 / 4; };
  EXPECT_TRUE(WaitUntil([&] { return ClientArea(display_, id).height() == expected(); }, 5000))
      << ClientArea(display_, id).height() << " " << expected();
  // The middle of its red rectangle (40, 30 of 160×120).
  const QRect area = ClientArea(display_, id);
  const QString pixel = display_.Run(
      "import", {"-window", "root", "-crop",
                 QString("1x1+%1+%2")
                     .arg(area.left() + area.width() / 4)
                     .arg(area.top() + kHeader + area.width() * 3 / 16),
                 "-depth", "8", "txt:-"});
  EXPECT_TRUE(pixel.contains("#FF0000")) << pixel.toStdString();
}

}  // namespace
}  // namespace tolvex::test

// The header's state images: readable on the header and on the light face
// of a hot button, and mirrored for a bar at the right edge.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTransform>

#include "app/appbar.h"
#include "app/bar_artwork.h"

namespace tolvex::test {
namespace {

// The pixels of `image` drawn on `background` that differ clearly from it.
int VisiblePixels(TSmallButtonImage image, const QColor& background) {
  QImage canvas(16, 8, QImage::Format_RGB32);
  canvas.fill(background);
  {
    QPainter p(&canvas);
    p.drawPixmap(0, 0, SmallButtonImage(image));
  }
  int visible = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const QColor c = canvas.pixelColor(x, y);
      const int distance = std::abs(c.red() - background.red()) +
                           std::abs(c.green() - background.green()) +
                           std::abs(c.blue() - background.blue());
      if (distance > 150) ++visible;
    }
  }
  return visible;
}

TEST(BarArtwork, EveryStateImageStaysReadableOnTheHeaderAndOnAHotFace) {
  const QColor hotFace(0xef, 0xef, 0xef);
  const QColor header(0x1c, 0x6c, 0xd0);
  for (int image = sbAlwaysOnTopOn; image <= sbAutoHideOffRight; ++image) {
    for (const QColor& background : {hotFace, header, QColor(Qt::white)}) {
      EXPECT_GE(VisiblePixels(TSmallButtonImage(image), background), 8)
          << "image " << image << " on " << background.name().toStdString();
    }
  }
}

TEST(BarArtwork, TheRightEdgeShowsTheAutoHidePicturesMirrored) {
  for (const auto& [left, right] : {std::pair{sbAutoHideOn, sbAutoHideOnRight},
                                    std::pair{sbAutoHideOff, sbAutoHideOffRight}}) {
    const QImage mirrored =
        SmallButtonImage(left).toImage().transformed(QTransform::fromScale(-1, 1));
    EXPECT_EQ(SmallButtonImage(right).toImage().convertToFormat(mirrored.format()), mirrored);
  }
  struct Case {
    TAppBarEdge edge;
    bool on;
    TSmallButtonImage image;
  };
  for (const Case& c : {Case{abeLeft, true, sbAutoHideOn}, Case{abeLeft, false, sbAutoHideOff},
                        Case{abeRight, true, sbAutoHideOnRight},
                        Case{abeRight, false, sbAutoHideOffRight},
                        Case{abeFloat, true, sbAutoHideNotAvailable}})
    EXPECT_EQ(AutoHideImage(c.edge, c.on), c.image) << c.edge << " " << c.on;
}

}  // namespace
}  // namespace tolvex::test

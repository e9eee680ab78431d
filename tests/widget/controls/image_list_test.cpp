// The image list: fixed size, images by index, change notices, greyed drawing.
#include "controls/image_list.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>

namespace tolvex::test {
namespace {

QPixmap Solid(QSize size, const QColor& color) {
  QPixmap pixmap(size);
  pixmap.fill(color);
  return pixmap;
}

TEST(TtxImageList, KeepsImagesOfItsSizeByIndex) {
  TtxImageList list(QSize(16, 8));
  QSignalSpy changes(&list, &TtxImageList::Changed);
  EXPECT_EQ(list.Add(Solid(QSize(16, 8), Qt::red)), 0);
  EXPECT_EQ(list.Add(Solid(QSize(32, 32), Qt::blue)), 1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Image(1).size(), QSize(16, 8)) << "other sizes are fitted";
  EXPECT_TRUE(list.Image(2).isNull());
  EXPECT_TRUE(list.Image(-1).isNull());

  list.Replace(0, Solid(QSize(16, 8), Qt::green));
  list.Replace(5, Solid(QSize(16, 8), Qt::green));
  EXPECT_EQ(list.Image(0).toImage().pixelColor(0, 0), QColor(Qt::green));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes.count(), 4) << "add, add, replace, clear";
}

TEST(TtxImageList, DrawsGreyedWhenDisabled) {
  TtxImageList list(QSize(4, 4));
  list.Add(Solid(QSize(4, 4), Qt::red));
  QImage canvas(12, 4, QImage::Format_ARGB32);
  canvas.fill(Qt::white);
  {
    QPainter painter(&canvas);
    list.Draw(painter, 0, 0, 0);
    list.Draw(painter, 4, 0, 0, false);
    list.Draw(painter, 8, 0, 7);
  }
  EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::red));
  const QColor greyed = canvas.pixelColor(5, 1);
  EXPECT_NE(greyed, QColor(Qt::red));
  EXPECT_NE(greyed, QColor(Qt::white));
  EXPECT_LT(std::abs(greyed.red() - greyed.green()), 30) << "greyed, not coloured";
  EXPECT_EQ(canvas.pixelColor(9, 1), QColor(Qt::white)) << "no image, nothing drawn";

  list.Replace(0, Solid(QSize(4, 4), Qt::black));
  {
    QPainter painter(&canvas);
    list.Draw(painter, 4, 0, 0, false);
  }
  EXPECT_NE(canvas.pixelColor(5, 1), greyed) << "a replaced image is greyed anew";
}

}  // namespace
}  // namespace tolvex::test

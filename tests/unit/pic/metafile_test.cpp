// Enhanced and Windows metafiles drawn at their natural size: the common
// drawing records, objects, mapping, clipping, text and bitmaps.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <cstdlib>
#include <QImage>

#include "snapins/pic/metafile/enhanced_metafile.h"
#include "snapins/pic/metafile/windows_metafile.h"
#include "support/metafile_writer.h"

namespace tolvex::test {
namespace {

constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kGreen = 0x00FF00;
constexpr quint32 kBlue = 0xFF0000;

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Whether any pixel of `rect` is dark and opaque (text was drawn there).
bool HasInk(const QImage& image, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() > 128 && c.lightness() < 100) return true;
    }
  }
  return false;
}

// A 2×2 picture: red, green on top; blue, white below.
QImage FourColours() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixelColor(0, 0, Qt::red);
  image.setPixelColor(1, 0, Qt::green);
  image.setPixelColor(0, 1, Qt::blue);
  image.setPixelColor(1, 1, Qt::white);
  return image;
}

TEST(EnhancedMetafile, NaturalSizeIsTheFrameAtNinetySixPixelsAnInchAndEmptyIsTransparent) {
  const QImage image = RenderEnhancedMetafile(TEmfWriter(96, 48).Finish());
  ASSERT_EQ(image.size(), QSize(96, 48));
  EXPECT_EQ(At(image, 10, 10).alpha(), 0);
  // A large frame is scaled down to the largest side asked for.
  EXPECT_EQ(RenderEnhancedMetafile(TEmfWriter(800, 400).Finish(), 200).size(), QSize(200, 100));
}

TEST(EnhancedMetafile, ShapesUseTheSelectedPenAndBrush) {
  TEmfWriter emf(96, 48);
  emf.SolidBrush(1, kRed).Select(1).NullPen().Rectangle(0, 0, 40, 40);
  emf.SolidBrush(2, kBlue).Select(2).Record(42, {50, 0, 90, 40});  // ellipse
  emf.Pen(3, 0, 4, kGreen).Select(3).Record(27, {0, 45}).Record(54, {95, 45});  // line
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_EQ(At(image, 20, 20), QColor(Qt::red));
  EXPECT_EQ(At(image, 70, 20), QColor(Qt::blue));
  EXPECT_EQ(At(image, 51, 1).alpha(), 0);  // outside the ellipse
  EXPECT_EQ(At(image, 48, 45), QColor(Qt::green));
  EXPECT_EQ(At(image, 48, 41).alpha(), 0);
}

TEST(EnhancedMetafile, PolygonsPathsAndClipping) {
  TEmfWriter emf(96, 48);
  emf.SolidBrush(1, kGreen).Select(1).NullPen();
  emf.Points16(86, {0, 0, 30, 0, 0, 30});  // triangle, upper left half filled
  emf.Record(59, {});                       // begin path
  emf.Points16(86, {40, 0, 60, 0, 60, 20, 40, 20});
  emf.Record(60, {}).Record(62, {0, 0, -1, -1});  // end path, fill path
  emf.Record(30, {70, 0, 80, 10});                // clip
  emf.Rectangle(60, 0, 96, 48);
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_EQ(At(image, 5, 5), QColor(Qt::green));
  EXPECT_EQ(At(image, 25, 25).alpha(), 0);
  EXPECT_EQ(At(image, 50, 10), QColor(Qt::green));
  EXPECT_EQ(At(image, 75, 5), QColor(Qt::green));
  EXPECT_EQ(At(image, 75, 30).alpha(), 0);
}

TEST(EnhancedMetafile, MappingModesAndTheWorldTransformPlaceLogicalUnits) {
  TEmfWriter emf(100, 100);
  emf.SolidBrush(1, kRed).Select(1).NullPen();
  emf.Record(17, {8});                    // anisotropic
  emf.Record(9, {1000, 1000});            // window extent
  emf.Record(11, {100, 100});             // viewport extent
  emf.Rectangle(0, 0, 200, 200);          // 20×20 pixels at the top left
  emf.Record(33, {});                     // save
  emf.Transform(1, 0, 0, 1, 500, 500);    // moved by 50 pixels
  emf.Rectangle(0, 0, 200, 200);
  emf.Record(34, {-1});                   // restore: no transform, same mapping
  emf.Record(17, {2});                    // a tenth of a millimetre, y upwards
  emf.Record(12, {0, 100});               // origin at the bottom left
  emf.Rectangle(0, 0, 100, 100);          // 1 cm is about 38 pixels
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_EQ(At(image, 10, 10), QColor(Qt::red));
  EXPECT_EQ(At(image, 30, 30).alpha(), 0);
  EXPECT_EQ(At(image, 60, 60), QColor(Qt::red));
  EXPECT_EQ(At(image, 35, 65), QColor(Qt::red));  // metric square
  EXPECT_EQ(At(image, 42, 65).alpha(), 0);
  EXPECT_EQ(At(image, 35, 58).alpha(), 0);
}

TEST(EnhancedMetafile, ObjectsAreSavedWithTheStateAndStockObjectsSelect) {
  TEmfWriter emf(60, 20);
  emf.NullPen().SolidBrush(1, kRed).SolidBrush(2, kBlue).Select(1);
  emf.Record(33, {}).Select(2).Record(34, {-1});  // save, blue, restore: red
  emf.Rectangle(0, 0, 20, 20);
  emf.Select(0x80000004).Rectangle(20, 0, 40, 20);  // black stock brush
  emf.Record(40, {1}).Select(1).Rectangle(40, 0, 60, 20);  // deleted: stays black
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_EQ(At(image, 10, 10), QColor(Qt::red));
  EXPECT_EQ(At(image, 30, 10), QColor(Qt::black));
  EXPECT_EQ(At(image, 50, 10), QColor(Qt::black));
}

TEST(EnhancedMetafile, TextIsDrawnInTheSelectedFontAtItsAlignment) {
  TEmfWriter emf(200, 60);
  emf.Font(1, -30, QStringLiteral("DejaVu Sans")).Select(1);
  emf.Record(18, {1});  // transparent background
  emf.Text(10, 5, QStringLiteral("MW"));
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_TRUE(HasInk(image, QRect(10, 5, 60, 30)));
  EXPECT_FALSE(HasInk(image, QRect(120, 0, 80, 60)));
}

TEST(EnhancedMetafile, BitmapsKeepTheirOrientationWhenStretched) {
  TEmfWriter emf(40, 40);
  emf.StretchBitmap(0, 0, 40, 40, FourColours());
  const QImage image = RenderEnhancedMetafile(emf.Finish());
  EXPECT_EQ(At(image, 5, 5), QColor(Qt::red));
  EXPECT_EQ(At(image, 35, 5), QColor(Qt::green));
  EXPECT_EQ(At(image, 5, 35), QColor(Qt::blue));
  EXPECT_EQ(At(image, 35, 35), QColor(Qt::white));
}

TEST(WindowsMetafile, PlaceableFileAtItsBoxWithShapesTextAndBitmaps) {
  TWmfWriter wmf(96, 48);
  wmf.Pen(5, 0, 0).SolidBrush(kRed).Select(0).Select(1);  // null pen, red brush
  wmf.Rectangle(0, 0, 200, 200);                            // 20×20 pixels
  wmf.Delete(1).SolidBrush(kBlue).Select(1);                // takes the freed slot
  wmf.Record(0x0418, {400, 900, 0, 700});                   // ellipse
  wmf.Points(0x0324, {250, 0, 450, 0, 250, 200});           // triangle
  wmf.StretchBitmap(0, 250, 200, 200, FourColours());
  wmf.Font(-150, "DejaVu Sans").Select(2).Record(0x0102, {1});
  wmf.Text(300, 250, "MW");
  const QImage image = RenderWindowsMetafile(wmf.Finish());
  ASSERT_EQ(image.size(), QSize(96, 48));
  EXPECT_EQ(At(image, 10, 10), QColor(Qt::red));
  EXPECT_EQ(At(image, 80, 20), QColor(Qt::blue));
  EXPECT_EQ(At(image, 27, 3), QColor(Qt::blue));
  EXPECT_EQ(At(image, 43, 17).alpha(), 0);
  EXPECT_EQ(At(image, 5, 30), QColor(Qt::red));
  EXPECT_EQ(At(image, 15, 30), QColor(Qt::green));
  EXPECT_EQ(At(image, 5, 40), QColor(Qt::blue));
  EXPECT_EQ(At(image, 15, 40), QColor(Qt::white));
  EXPECT_TRUE(HasInk(image, QRect(30, 25, 40, 20)));
}

TEST(WindowsMetafile, TheMetafilesOwnWindowMapsTheBox) {
  TWmfWriter wmf(100, 100);
  wmf.Record(0x020B, {-100, -100});  // window origin
  wmf.Record(0x020C, {200, 200});    // window extent
  wmf.Pen(5, 0, 0).Select(0).SolidBrush(kGreen).Select(1);
  wmf.Rectangle(0, 0, 100, 100);     // the lower right quarter
  const QImage image = RenderWindowsMetafile(wmf.Finish());
  EXPECT_EQ(At(image, 75, 75), QColor(Qt::green));
  EXPECT_EQ(At(image, 25, 25).alpha(), 0);
}

TEST(WindowsMetafile, WithoutPlaceableHeaderTheWindowExtentGivesTheSize) {
  TWmfWriter sized(0, 0, false);
  sized.Record(0x020C, {60, 80}).Pen(5, 0, 0).Select(0).SolidBrush(kRed).Select(1);
  sized.Rectangle(0, 0, 80, 60);
  const QImage image = RenderWindowsMetafile(sized.Finish());
  ASSERT_EQ(image.size(), QSize(80, 60));
  EXPECT_EQ(At(image, 40, 30), QColor(Qt::red));
  // Large extents are brought down to a picture of 1024 pixels.
  TWmfWriter large(0, 0, false);
  large.Record(0x020C, {10000, 20000});
  EXPECT_EQ(RenderWindowsMetafile(large.Finish()).size(), QSize(1024, 512));
  // Without any extent there is no size to draw at.
  EXPECT_TRUE(RenderWindowsMetafile(TWmfWriter(0, 0, false).Finish()).isNull());
}

// Metafiles of tests/fixtures/pic/drawing.svg written by another program:
// the same drawing must come out of both.
TEST(MetafileFixtures, ADrawingExportedByAnotherProgramLooksLikeItsSource) {
  for (const char* name : {"drawing.emf", "drawing.wmf"}) {
    QFile file(QStringLiteral(TOLVEX_FIXTURE_DIR "/pic/") + QLatin1String(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    const QImage image = QLatin1String(name).endsWith(QLatin1String("emf"))
                             ? RenderEnhancedMetafile(bytes)
                             : RenderWindowsMetafile(bytes);
    ASSERT_NEAR(image.width(), 160, 2) << name;
    ASSERT_NEAR(image.height(), 120, 2) << name;
    const struct {
      QPoint at;
      QColor colour;
    } samples[] = {
        {{40, 30}, Qt::red},      {{10, 30}, Qt::black},  {{120, 35}, Qt::blue},
        {{45, 100}, Qt::green},   {{134, 70}, Qt::red},   {{146, 70}, Qt::blue},
        {{134, 82}, Qt::blue},    {{146, 82}, Qt::red},   {{5, 60}, Qt::transparent},
        {{150, 110}, Qt::transparent},
    };
    for (const auto& sample : samples) {
      // The edges are smoothed: a colour within a few steps is the same.
      const QColor seen = At(image, sample.at.x(), sample.at.y());
      const QColor want = sample.colour;
      EXPECT_TRUE(std::abs(seen.red() - want.red()) < 16 &&
                  std::abs(seen.green() - want.green()) < 16 &&
                  std::abs(seen.blue() - want.blue()) < 16 &&
                  std::abs(seen.alpha() - want.alpha()) < 16)
          << name << " at " << sample.at.x() << "," << sample.at.y() << ": "
          << seen.name(QColor::HexArgb).toStdString();
    }
    EXPECT_TRUE(HasInk(image, QRect(80, 104, 50, 14))) << name;  // the text
  }
}

}  // namespace
}  // namespace tolvex::test

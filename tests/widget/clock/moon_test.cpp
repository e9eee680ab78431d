// The moon control: the shadow painted at the four quarter angles, the
// pictures of the phases of January 2000 and the change of size.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "snapins/clock/moon.h"
#include "snapins/clock/moon_phase.h"
#include "snapins/clock/moon_shadow.h"

namespace tolvex {
namespace {

constexpr TMoonDisc kDisc32{15, 14, 14};

bool IsBlack(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// The half width of the disc in row dy, as the painting rounds it.
int HalfWidth(int r, int dy) {
  return static_cast<int>(RoundHalfEven(std::sqrt(static_cast<long double>(r * r - dy * dy))));
}

TEST(MoonShadow, QuarterAnglesDarkenTheirPartOfEachRow) {
  struct Case {
    long double angle;
    // The dark pixels of a row, from its half width w: xc + first .. xc + last.
    int (*first)(int w);
    int (*last)(int w);
  };
  const Case cases[] = {
      {0, [](int w) { return -w; }, [](int w) { return -w; }},   // the left limb only
      {90, [](int w) { return -w; }, [](int) { return 0; }},     // the left half
      {180, [](int w) { return -w; }, [](int w) { return w; }},  // the whole disc
      {270, [](int) { return 0; }, [](int w) { return w; }},     // the right half
  };
  for (const Case& c : cases) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintMoonShadow(image, c.angle, kDisc32);
    for (int y = 0; y < 32; ++y) {
      const int dy = y - kDisc32.yc;
      for (int x = 0; x < 32; ++x) {
        bool dark = false;
        if (std::abs(dy) <= kDisc32.r) {
          const int w = HalfWidth(kDisc32.r, dy);
          dark = x >= kDisc32.xc + c.first(w) && x <= kDisc32.xc + c.last(w);
        }
        ASSERT_EQ(IsBlack(image, x, y), dark)
            << "angle " << static_cast<double>(c.angle) << " at " << x << "," << y;
      }
    }
  }
}

TDateTime Utc(int year, int month, int day, int hour, int minute) {
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, 0, 0);
}

TEST(Moon, NewMoonDarkensTheWholeDisc) {
  TMoon moon;
  moon.SetMoonSize(TMoonSize::ms32);
  moon.SetDate(Utc(2000, 1, 6, 18, 14));
  const QImage& picture = moon.Picture();
  ASSERT_EQ(picture.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_TRUE(IsBlack(picture, x, y)) << x << "," << y;
  }
}

TEST(Moon, QuartersLightTheirHalf) {
  struct Case {
    TDateTime moment;
    int darkX;
    int litX;
  };
  // First quarter: lit on the right; last quarter: lit on the left.
  const Case cases[] = {{Utc(2000, 1, 14, 13, 34), 8, 22}, {Utc(2000, 1, 28, 7, 57), 22, 8}};
  for (const Case& c : cases) {
    TMoon moon;
    moon.SetMoonSize(TMoonSize::ms32);
    moon.SetDate(c.moment);
    EXPECT_TRUE(IsBlack(moon.Picture(), c.darkX, kDisc32.yc));
    EXPECT_FALSE(IsBlack(moon.Picture(), c.litX, kDisc32.yc));
  }
}

TEST(Moon, FullMoonShowsThePicture) {
  TMoon moon;
  moon.SetDate(Utc(2000, 1, 21, 4, 40));
  EXPECT_FALSE(IsBlack(moon.Picture(), 31, 28));
  EXPECT_FALSE(IsBlack(moon.Picture(), 50, 28));
}

TEST(Moon, StartsLargeWithTheCurrentPhase) {
  const TDateTime before = Now();
  TMoon moon;
  EXPECT_EQ(moon.MoonSize(), TMoonSize::ms64);
  EXPECT_EQ(moon.size(), QSize(64, 64));
  EXPECT_GE(moon.Date(), before);
  EXPECT_LE(moon.Date(), Now());
}

TEST(Moon, SmallSizeAfterLargeKeepsTheAngle) {
  TMoon moon;
  moon.SetDate(Utc(2000, 1, 14, 13, 34));
  const long double angle = moon.Angle();
  moon.SetMoonSize(TMoonSize::ms16);
  EXPECT_EQ(moon.size(), QSize(16, 16));
  EXPECT_EQ(moon.Picture().size(), QSize(16, 16));
  EXPECT_EQ(moon.Angle(), angle);
  // The left half of the small disc is dark, the right half lit.
  EXPECT_TRUE(IsBlack(moon.Picture(), 3, 7));
  EXPECT_FALSE(IsBlack(moon.Picture(), 11, 7));
}

}  // namespace
}  // namespace tolvex

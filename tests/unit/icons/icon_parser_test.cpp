// The icon parser against the icoutils tools: icon counts, the images of
// every group, their pixels; the choice of image for a size; icon numbers.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "icon_fixtures.h"
#include "platform/qt_icon_image.h"

namespace tolvex::platform::icons::testing {
namespace {

TEST(IconParser, GroupsAndImagesMatchTheOracle) {
  const std::vector<std::string> fixtures = AllFixtures();
  ASSERT_GE(fixtures.size(), 10u);
  for (const std::string& name : fixtures) {
    SCOPED_TRACE(name);
    FileSource source(FixturePath(name));
    const std::unique_ptr<IconContainer> icons = OpenIcons(source);
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(ParsedShapes(*icons), OracleShapes(name));
  }
}

TEST(IconParser, EachFormatIsRecognisedByItsOwnReaderOnly) {
  struct Case {
    const char* file;
    bool pe, ne, ico;
  };
  for (const Case& c : {Case{"icons32.dll", true, false, false},
                        {"icons64.dll", true, false, false},
                        {"noicons.exe", true, false, false},
                        {"icons16.icl", false, true, false},
                        {"red.ico", false, false, true}}) {
    SCOPED_TRACE(c.file);
    FileSource source(FixturePath(c.file));
    EXPECT_EQ(OpenPeIcons(source) != nullptr, c.pe);
    EXPECT_EQ(OpenNeIcons(source) != nullptr, c.ne);
    EXPECT_EQ(OpenIcoIcons(source) != nullptr, c.ico);
  }
}

// Every DIB image decodes to the pixels icotool extracts (colours compared
// where a pixel is not fully transparent).
TEST(IconParser, DibPixelsMatchTheOracle) {
  int compared = 0;
  for (const std::string& name : AllFixtures()) {
    if (!name.ends_with(".ico") || name == "mask-only.ico") continue;
    SCOPED_TRACE(name);
    FileSource source(FixturePath(name));
    const std::unique_ptr<IconContainer> icons = OpenIcons(source);
    ASSERT_NE(icons, nullptr);
    const std::vector<ImageInfo> images = IconImages(*icons, 0);
    for (std::size_t i = 0; i < images.size(); ++i) {
      const ImageInfo& image = images[i];
      const QString stem = QFileInfo(QString::fromStdString(name)).completeBaseName();
      const QString png = QString("oracle/%1_%2_%3x%4x%5.png")
                              .arg(stem)
                              .arg(i + 1)
                              .arg(image.width)
                              .arg(image.height)
                              .arg(image.bitCount);
      SCOPED_TRACE(png.toStdString());
      const QImage expected = QImage(QString::fromStdString(FixturePath(png.toStdString())))
                                  .convertToFormat(QImage::Format_ARGB32);
      ASSERT_FALSE(expected.isNull());
      const IconImage decoded = image.format == ImageFormat::Dib
                                    ? DecodeDib(source, image)
                                    : DecodePng(*source.Bytes(image.ref.offset, image.ref.size));
      const QImage actual = ToQImage(decoded);
      ASSERT_EQ(actual.size(), expected.size());
      for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
          const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
          ASSERT_EQ(qAlpha(a), qAlpha(e)) << x << "," << y;
          if (qAlpha(e) != 0) {
            ASSERT_EQ(a & 0xFFFFFF, e & 0xFFFFFF) << x << "," << y;
          }
        }
      }
      ++compared;
    }
  }
  EXPECT_GE(compared, 20);
}

// A 32-bit image whose alpha bytes are all 0 is drawn through its AND mask,
// as the platform draws it: the top-left quarter transparent, the rest opaque.
TEST(IconParser, ThirtyTwoBitImageWithoutAlphaUsesItsMask) {
  FileSource source(FixturePath("mask-only.ico"));
  const std::unique_ptr<IconContainer> icons = OpenIcons(source);
  ASSERT_NE(icons, nullptr);
  const IconImage image = LoadIcon(*icons, 0, 16, DecodePng);
  ASSERT_EQ(image.width, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const std::uint32_t pixel = image.pixels[std::size_t(y * 16 + x)];
      if (x < 4 && y < 4) {
        EXPECT_EQ(pixel >> 24, 0u) << x << "," << y;
      } else {
        const std::uint32_t rgb = std::uint32_t(x * 255 / 15) << 16 |
                                  std::uint32_t(y * 255 / 15) << 8 |
                                  std::uint32_t((x + y) * 16 & 255);
        EXPECT_EQ(pixel, 0xFF000000u | rgb) << x << "," << y;
      }
    }
  }
}

TEST(IconParser, ChoosesTheImageThatFitsTheSizeBest) {
  struct Case {
    const char* file;
    int pixels;
    ImageShape expected;
  };
  const Case cases[] = {
      {"depths.ico", 16, {16, 16, 32}},  // exact size, deepest colour
      {"depths.ico", 32, {32, 32, 32}},
      {"depths.ico", 24, {32, 32, 32}},  // the smallest larger one
      {"depths.ico", 48, {48, 48, 32}},  // PNG
      {"depths.ico", 64, {48, 48, 32}},  // the largest smaller one
      {"depths.ico", 8, {16, 16, 32}},
      {"wide.ico", 32, {48, 48, 8}},
      {"wide.ico", 16, {24, 24, 32}},
      {"wide.ico", 100, {64, 64, 32}},
      {"green.ico", 32, {32, 32, 8}},
      {"large.ico", 64, {256, 256, 32}},
      {"large.ico", 256, {256, 256, 32}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " at " + std::to_string(c.pixels));
    FileSource source(FixturePath(c.file));
    const std::unique_ptr<IconContainer> icons = OpenIcons(source);
    ASSERT_NE(icons, nullptr);
    const std::optional<ImageInfo> best = BestImage(IconImages(*icons, 0), c.pixels);
    ASSERT_TRUE(best);
    EXPECT_EQ((ImageShape{best->width, best->height, best->bitCount}), c.expected);
    EXPECT_EQ(LoadIcon(*icons, 0, c.pixels, DecodePng).width, c.expected.width);
  }
}

// Icon numbers count groups in table order; a negative number names a
// group by its resource ID.
TEST(IconParser, IconNumbersAndResourceIds) {
  struct Case {
    int index;
    const char* sameAs;  // the .ico file the group was made of; nullptr: no icon
  };
  const Case pe[] = {{0, "red.ico"},         {1, "green.ico"},   {2, "wide.ico"},
                     {3, "depths.ico"},      {4, "blue.ico"},    {5, "mask-only.ico"},
                     {6, nullptr},           {-1, "depths.ico"}, {-3, "blue.ico"},
                     {-20, "mask-only.ico"}, {-2, nullptr},      {-65536, nullptr},
                     {INT32_MIN, nullptr}};
  const Case ne[] = {{0, "red.ico"},  {1, "green.ico"},    {2, "blue.ico"},  {3, "depths.ico"},
                     {4, "wide.ico"}, {5, nullptr},        {-3, "blue.ico"}, {-20, "wide.ico"},
                     {-2, nullptr},   {INT32_MIN, nullptr}};
  const auto check = [](const char* module, std::span<const Case> cases) {
    FileSource source(FixturePath(module));
    const std::unique_ptr<IconContainer> icons = OpenIcons(source);
    ASSERT_NE(icons, nullptr);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(module) + " icon " + std::to_string(c.index));
      const GroupShapes shapes = c.sameAs ? OracleShapes(c.sameAs) : GroupShapes{{}};
      std::vector<ImageShape> found;
      for (const ImageInfo& image : IconImages(*icons, c.index))
        found.push_back({image.width, image.height, image.bitCount});
      EXPECT_EQ(found, shapes.at(0));
      if (c.sameAs) {
        FileSource file(FixturePath(c.sameAs));
        EXPECT_EQ(LoadIcon(*icons, c.index, 32, DecodePng).pixels,
                  LoadIcon(*OpenIcons(file), 0, 32, DecodePng).pixels);
      }
    }
  };
  check("icons32.dll", pe);
  check("icons64.dll", pe);
  check("icons16.icl", ne);
}

}  // namespace
}  // namespace tolvex::platform::icons::testing

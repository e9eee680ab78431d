// The shell's icon service on Linux: counts and images of program, library
// and icon files, and the desktop's icons for every other file and folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <limits>

#include "icon_fixtures.h"
#include "platform/linux/linux_shell.h"

namespace tolvex::platform {
namespace {

using icons::testing::FixturePath;

class ShellIcons : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // The Linux shell itself: the simulated one shows no desktop icons.
  IShell& Shell() { return shell_; }

  std::string Write(const QString& name, const QByteArray& content) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName().toStdString();
  }

  std::string Copy(const std::string& fixture, const QString& name) {
    QFile file(QString::fromStdString(FixturePath(fixture)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return Write(name, file.readAll());
  }

  // A square PNG of one colour.
  std::string WritePng(const QString& name, QRgb colour) {
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path.toStdString();
  }

  std::string Folder() const { return dir_.path().toStdString(); }

  // A named pipe: reading it would wait for a writer for ever.
  std::string Pipe(const QString& name) {
    const QByteArray path = dir_.filePath(name).toUtf8();
    EXPECT_EQ(mkfifo(path.constData(), 0600), 0);
    return path.toStdString();
  }

  LinuxShell shell_;
  QTemporaryDir dir_;
};

bool AllTransparent(const IconImage& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(),
                     [](std::uint32_t pixel) { return (pixel >> 24) == 0; });
}

TEST_F(ShellIcons, CountsTheIconsOfEveryKindOfFile) {
  const struct {
    std::string file;
    int count;
  } cases[] = {
      {FixturePath("icons64.dll"), 6},
      {FixturePath("icons32.dll"), 6},
      {FixturePath("icons16.icl"), 5},
      {FixturePath("depths.ico"), 1},
      {FixturePath("noicons.exe"), 0},
      // Read by content, whatever the name says.
      {Copy("icons64.dll", "renamed.txt"), 6},
      {Copy("icons64.dll", "name with ä spaces.dll"), 6},
      {Write("notes.txt", "text"), 1},
      {Write("empty.ico", ""), 1},
      {Write("app.desktop", "[Desktop Entry]\nType=Application\nName=A\nIcon=folder\n"), 1},
      {Folder(), 1},
      {Pipe("pipe.exe"), 1},
      {Folder() + "/missing.exe", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(Shell().IconCount(c.file), c.count);
  }
}

TEST_F(ShellIcons, ExtractsIconsAtTheRequestedDevicePixels) {
  const std::string dll = FixturePath("icons64.dll");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    std::string file;
    int index, size;
    double ratio;
    int pixels;  // 0: a null image
  } cases[] = {
      {dll, 0, kLargeIconSize, 1.0, 32},
      {dll, 0, kSmallIconSize, 1.0, 16},
      {dll, 0, kSmallIconSize, 2.0, 32},
      {dll, 0, kLargeIconSize, 1.5, 48},
      {dll, 4, 64, 1.0, 64},   // scaled up from 48
      {dll, 6, 32, 1.0, 0},    // beyond the last icon
      {dll, -3, 32, 1.0, 32},  // resource ID 3
      {dll, -2, 32, 1.0, 0},
      {dll, 0, 0, 1.0, 0},
      {dll, 0, 32, 0.0, 0},
      {dll, 0, 32, nan, 0},
      {dll, 0, 32, 1e9, 0},
      {FixturePath("icons16.icl"), 1, 32, 1.0, 32},
      {FixturePath("large.ico"), 0, 32, 1.0, 32},
      {FixturePath("large.ico"), 1, 32, 1.0, 0},
      {FixturePath("noicons.exe"), 0, 32, 1.0, 0},
      {Folder(), 0, 32, 1.0, 32},
      {Folder(), 1, 32, 1.0, 0},
      {Write("notes.txt", "text"), 0, 16, 2.0, 32},
      {Pipe("pipe.desktop"), 0, 32, 1.0, 32},
      {Folder() + "/missing.ico", 0, 32, 1.0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " icon " + std::to_string(c.index) + " at " + std::to_string(c.size) +
                 "x" + std::to_string(c.ratio));
    const IconImage image = Shell().ExtractIcon(c.file, c.index, c.size, c.ratio);
    EXPECT_EQ(image.width, c.pixels);
    EXPECT_EQ(image.height, c.pixels);
    EXPECT_EQ(image.pixels.size(), std::size_t(c.pixels * c.pixels));
    if (c.pixels) {
      EXPECT_FALSE(AllTransparent(image));
    }
  }
}

TEST_F(ShellIcons, ModuleIconsAreTheImagesOfTheirGroups) {
  // The library's first group was made of red.ico; its 16-pixel image at a
  // device pixel ratio of 2 is the 32-pixel image, not a scaled 16-pixel one.
  const IconImage fromLibrary = Shell().ExtractIcon(FixturePath("icons32.dll"), 0, 16, 2.0);
  EXPECT_EQ(fromLibrary.pixels, Shell().ExtractIcon(FixturePath("red.ico"), 0, 32).pixels);
  EXPECT_NE(fromLibrary.pixels, Shell().ExtractIcon(FixturePath("red.ico"), 0, 16, 1.0).pixels);
}

TEST_F(ShellIcons, OtherFilesShowTheDesktopsIconForTheirType) {
  const IconImage folder = Shell().ExtractIcon(Folder(), 0, 32);
  const IconImage text = Shell().ExtractIcon(Write("a.txt", "text"), 0, 32);
  // A file named like a picture that is none shows the icon of its type.
  const IconImage notAPicture = Shell().ExtractIcon(Write("b.png", "text"), 0, 32);
  for (const IconImage* image : {&folder, &text, &notAPicture}) ASSERT_FALSE(image->IsNull());
  EXPECT_NE(folder.pixels, text.pixels);
  EXPECT_NE(notAPicture.pixels, Shell().ExtractIcon(WritePng("c.png", qRgb(0, 0, 255)), 0, 32).pixels);
}

TEST_F(ShellIcons, PicturesShowThemselvesScaledToTheIconSize) {
  const std::string wide = [this] {
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(qRgb(0, 160, 0));
    const QString path = dir_.filePath("wide.png");
    EXPECT_TRUE(image.save(path, "PNG"));
    return path.toStdString();
  }();
  const struct {
    std::string file;
    int size;
    QRgb centre;
  } rows[] = {
      {WritePng("blue.png", qRgb(0, 0, 255)), 32, qRgb(0, 0, 255)},
      {WritePng("blue.png", qRgb(0, 0, 255)), 16, qRgb(0, 0, 255)},
      {Write("yellow.xpm",
             "/* XPM */\nstatic char *y[] = {\"2 2 1 1\", \"a c #FFFF00\", \"aa\", \"aa\"};\n"),
       32, qRgb(255, 255, 0)},
      {Write("red.svg",
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
             "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>"),
       48, qRgb(255, 0, 0)},
      {wide, 32, qRgb(0, 160, 0)},
  };
  for (const auto& row : rows) {
    const IconImage icon = Shell().ExtractIcon(row.file, 0, row.size);
    ASSERT_EQ(icon.width, row.size) << row.file;
    ASSERT_EQ(icon.height, row.size) << row.file;
    const int middle = row.size / 2;
    EXPECT_EQ(icon.pixels[size_t(middle * row.size + middle)], row.centre) << row.file;
  }
  // The wide picture stands centred on a transparent square.
  const IconImage icon = Shell().ExtractIcon(wide, 0, 32);
  EXPECT_EQ(qAlpha(icon.pixels[0]), 0);
}

TEST_F(ShellIcons, DesktopEntriesShowTheIconTheyName) {
  const std::string red = WritePng("red.png", qRgb(255, 0, 0));
  const auto entry = [this](const QString& name, const std::string& icon) {
    return Write(name, QByteArray("[Desktop Entry]\nType=Application\nName=X\nExec=x\nIcon=") +
                           QByteArray::fromStdString(icon) + "\n[Desktop Action new]\nIcon=x\n");
  };
  const IconImage byPath = Shell().ExtractIcon(entry("path.desktop", red), 0, 32);
  ASSERT_EQ(byPath.width, 32);
  EXPECT_EQ(byPath.pixels[16 * 32 + 16], 0xFFFF0000u);

  const IconImage byName = Shell().ExtractIcon(entry("name.desktop", "folder"), 0, 32);
  EXPECT_EQ(byName.pixels, Shell().ExtractIcon(Folder(), 0, 32).pixels);
  const IconImage withSuffix = Shell().ExtractIcon(entry("suffix.desktop", "folder.png"), 0, 32);
  EXPECT_EQ(withSuffix.pixels, byName.pixels);

  // An icon that exists nowhere gives the icon of desktop entries.
  const IconImage unknown = Shell().ExtractIcon(entry("unknown.desktop", "no-such-icon-x"), 0, 32);
  const IconImage missingFile = Shell().ExtractIcon(entry("gone.desktop", "/gone/x.png"), 0, 32);
  const IconImage notAnImage =
      Shell().ExtractIcon(entry("text.desktop", Write("a.txt", "text")), 0, 32);
  EXPECT_FALSE(unknown.IsNull());
  EXPECT_NE(unknown.pixels, byName.pixels);
  EXPECT_EQ(missingFile.pixels, unknown.pixels);
  EXPECT_EQ(notAnImage.pixels, unknown.pixels);
}

}  // namespace
}  // namespace tolvex::platform

// The picture panel on a stand-in bar: the placeholder, the height rule and
// the restack, every readable format, unreadable files, "Bild öffnen" and
// the viewer.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/builtin_panels.h"
#include "shared/file_dialog.h"
#include "shared/modal.h"
#include "snapins/pic/big_viewer.h"
#include "snapins/pic/pic.h"
#include "snapins/pic/pic_registration.h"
#include "support/metafile_writer.h"
#include "support/snapin_test_host.h"

namespace tolvex::test {
namespace {

// A bar of 100 pixels client width with the picture panel and one button
// below it; counts the restacks.
// The bar's folder, made before the bar that keeps its configuration there.
struct PicBarFolder {
  QTemporaryDir dir;
};

class PicBar : private PicBarFolder, public TSnapInTestHost {
 public:
  static constexpr int kTop = 10;

  PicBar() : TSnapInTestHost(dir.filePath("tolvexbar.ini")) {
    resize(100, 600);
    top = kTop;
    RegisterPicPanel();
  }

  QString Image() const {
    return config.ReadString(QStringLiteral("TolvexPic"), QStringLiteral("Image"),
                             QStringLiteral("<none>"));
  }
  void SetImage(const QString& path) {
    config.WriteString(QStringLiteral("TolvexPic"), QStringLiteral("Image"), path);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  TfrPic& Build() {
    ResetBuiltInPanels();
    const int y = PlaceBuiltInPanel(*this, controls, 7, kTop);
    below = new QWidget(this);
    below->setGeometry(0, y, 100, 20);
    controls.Append(below);
    show();
    return *static_cast<TfrPic*>(BuiltInPanel(7));
  }

  QWidget* below = nullptr;
};

// Writes a `width`×`height` picture of `format` to `path`.
void WritePicture(const QString& path, int width, int height, const char* format) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

TEST(PicPanel, WithoutAStoredPictureShowsThePlaceholderAtDesignHeight) {
  for (const char* image : {"", "missing.bmp"}) {
    PicBar bar;
    bar.SetImage(*image ? bar.Path(image) : QString());
    TfrPic& pic = bar.Build();
    EXPECT_EQ(pic.height(), TfrPic::kDesignHeight) << image;
    EXPECT_EQ(bar.below->y(), PicBar::kTop + TfrPic::kDesignHeight) << image;
    EXPECT_EQ(bar.restacks, 0) << image;
  }
}

TEST(PicPanel, HeightFollowsTheAspectRatioAndTheElementsBelowMove) {
  PicBar bar;
  WritePicture(bar.Path("wide.bmp"), 200, 100, "BMP");
  bar.SetImage(bar.Path("wide.bmp"));
  TfrPic& pic = bar.Build();
  EXPECT_EQ(pic.width(), 100);
  EXPECT_EQ(pic.height(), 50);
  EXPECT_EQ(bar.below->y(), PicBar::kTop + 50);
  EXPECT_GE(bar.restacks, 1);
}

// A 4×3 GIF of one colour; the image plug-ins read GIF but cannot write it.
const QByteArray kGif4x3(
    "GIF89a\x04\x00\x03\x00\x80\x00\x00\x00\x00\xff\xff\xff\xff\x2c\x00\x00\x00\x00"
    "\x04\x00\x03\x00\x00\x02\x08\x04\x08\x10\x20\x40\x80\x40\x01\x00\x3b",
    41);

TEST(PicPanel, ReadsEveryFormatByItsExtension) {
  // Every picture is 4:3, so the 100-wide panel becomes 75 high.
  const struct {
    const char* name;
    const char* format;  // written by the image plug-ins; nullptr: `content`
    QByteArray content;
  } cases[] = {{"a.bmp", "BMP", {}},
               {"a.ico", "ICO", {}},
               {"a.png", "PNG", {}},
               {"a.jpg", "JPG", {}},
               {"a.jpeg", "JPG", {}},
               {"a.GIF", nullptr, kGif4x3},
               {"a.svg", nullptr,
                "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>"
                "<rect width='40' height='30' fill='blue'/></svg>"},
               {"a.emf", nullptr, TEmfWriter(40, 30).Rectangle(0, 0, 40, 30).Finish()},
               {"a.WMF", nullptr, TWmfWriter(40, 30).Rectangle(0, 0, 400, 300).Finish()}};
  for (const auto& c : cases) {
    PicBar bar;
    if (c.format != nullptr) {
      QImage image(40, 30, QImage::Format_RGB32);
      image.fill(Qt::blue);
      ASSERT_TRUE(image.save(bar.Path(c.name), c.format)) << c.name;
    } else {
      QFile file(bar.Path(c.name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.content);
    }
    bar.SetImage(bar.Path(c.name));
    EXPECT_EQ(bar.Build().height(), 75) << c.name;
  }
}

TEST(PicPanel, AFileThatIsNoPictureKeepsWhatThePanelShows) {
  PicBar bar;
  WritePicture(bar.Path("wide.bmp"), 200, 100, "BMP");
  TfrPic& pic = bar.Build();
  pic.ShowPicture(bar.Path("wide.bmp"));
  ASSERT_EQ(pic.height(), 50);
  const int restacks = bar.restacks;
  const struct {
    const char* name;
    QByteArray content;
  } cases[] = {{"text.bmp", "no picture"},
               {"empty.png", ""},
               {"truncated.bmp", QByteArray("BM\x36\x00\x00\x00", 6)},
               {"picture.emf", TWmfWriter(40, 30).Finish()},
               {"picture.wmf", "\x01\x00\x09\x00"},
               {"picture.txt", "BM"}};
  for (const auto& c : cases) {
    QFile file(bar.Path(c.name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.content);
    file.close();
    pic.ShowPicture(bar.Path(c.name));
    EXPECT_EQ(pic.height(), 50) << c.name;
    EXPECT_EQ(bar.restacks, restacks) << c.name;
  }
}

TEST(PicPanel, OpenPictureWritesTheChoiceAtOnceAndCancelWritesNothing) {
  PicBar bar;
  WritePicture(bar.Path("tall.png"), 50, 100, "PNG");
  TfrPic& pic = bar.Build();
  {
    TScopedModalAnswer cancel(AnswerFileDialog(QString()));
    pic.LoadPicture();
  }
  EXPECT_EQ(bar.Image(), QStringLiteral("<none>"));
  EXPECT_EQ(pic.height(), TfrPic::kDesignHeight);
  {
    TScopedModalAnswer choose(AnswerFileDialog(bar.Path("tall.png")));
    pic.LoadPicture();
  }
  EXPECT_EQ(bar.Image(), bar.Path("tall.png"));
  EXPECT_EQ(pic.height(), 200);
  EXPECT_EQ(bar.below->y(), PicBar::kTop + 200);
}

TEST(PicPanel, OpenPictureShowsAPreviewWithThePathPreset) {
  PicBar bar;
  WritePicture(bar.Path("a.png"), 60, 40, "PNG");
  bar.SetImage(bar.Path("a.png"));
  TfrPic& pic = bar.Build();
  QString title;
  QStringList preset;
  QSize preview;
  TScopedModalAnswer look([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    title = files.windowTitle();
    preset = files.selectedFiles();
    const auto* label = files.findChild<QLabel*>(QLatin1String(kFileDialogPreviewName));
    if (label != nullptr) preview = label->pixmap().size();
    return AnswerFileDialog(QString())(dialog);
  });
  pic.LoadPicture();
  EXPECT_EQ(title, QStringLiteral("Bild öffnen"));
  EXPECT_EQ(preset, QStringList{bar.Path("a.png")});
  EXPECT_EQ(preview, QSize(156, 104));
  EXPECT_EQ(bar.Image(), bar.Path("a.png"));
}

TEST(PicPanel, OneViewerAtNaturalSizeFollowsANewPicture) {
  PicBar bar;
  WritePicture(bar.Path("a.bmp"), 60, 40, "BMP");
  WritePicture(bar.Path("b.png"), 30, 70, "PNG");
  bar.SetImage(bar.Path("a.bmp"));
  TfrPic& pic = bar.Build();
  pic.ShowViewer();
  TwBigViewer* viewer = pic.Viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->size(), QSize(60, 40));
  EXPECT_EQ(viewer->windowTitle(), QStringLiteral("tolvexBar"));
  pic.ShowViewer();
  EXPECT_EQ(pic.Viewer(), viewer);
  pic.ShowPicture(bar.Path("b.png"));
  EXPECT_EQ(viewer->size(), QSize(30, 70));
  viewer->close();
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(pic.Viewer(), nullptr);
}

}  // namespace
}  // namespace tolvex::test

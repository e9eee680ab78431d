// The launchers' icon cache: a rebuild of the bar extracts only the icons of
// files that are new or changed since, and the cache keeps to its bound.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "app/icon_cache.h"
#include "app/ini_file.h"
#include "app/launcher_button.h"
#include "platform/shell.h"
#include "platform/sim/sim_shell.h"

namespace tolvex {
namespace {

// The simulated shell, counting the icons it extracts.
class CountingShell : public platform::sim::SimShell {
 public:
  explicit CountingShell(int& extractions) : extractions_(extractions) {}
  platform::IconImage ExtractIcon(const std::string& file, int index, int size,
                                  double devicePixelRatio) override {
    ++extractions_;
    return SimShell::ExtractIcon(file, index, size, devicePixelRatio);
  }

 private:
  int& extractions_;
};

class IconCache : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetShell(std::make_unique<CountingShell>(extractions_)); }
  void TearDown() override { platform::SetShell(nullptr); }

  QString Write(const QString& name) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("text");
    return path;
  }

  // Launchers of `files` in a layout file, loaded as a build of the bar does.
  void Build(const QStringList& files) {
    TtxIniFile layout(folder_.filePath("layout.ini"));
    for (int n = 1; n <= files.size(); ++n) {
      const QString section = "Link" + QString::number(n);
      layout.WriteString(section, "Type", "P");
      layout.WriteString(section, "Target", files[n - 1]);
      layout.WriteInteger(section, "Size", n % 2);
    }
    for (int n = 1; n <= files.size(); ++n) {
      TTolvexButton button;
      button.LoadFromSection(layout, n);
      EXPECT_FALSE(button.Picture().isNull()) << n;
    }
  }

  QTemporaryDir folder_;
  int extractions_ = 0;
};

TEST_F(IconCache, ASecondRebuildExtractsNothing) {
  const QStringList files = {Write("a.txt"), Write("b.txt"), Write("c.txt")};
  Build(files);
  EXPECT_EQ(extractions_, 3);
  Build(files);
  EXPECT_EQ(extractions_, 3);
}

TEST_F(IconCache, AChangedFileIsExtractedAgain) {
  const QString file = Write("a.txt");
  Build({file});
  QFile changed(file);
  ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
  ASSERT_TRUE(changed.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                  QFileDevice::FileModificationTime));
  changed.close();
  Build({file});
  EXPECT_EQ(extractions_, 2);
}

TEST_F(IconCache, EachIndexSizeAndRatioIsAnIconOfItsOwn) {
  TIconCache cache(1024 * 1024);
  const QString file = Write("a.txt");
  const struct {
    int index;
    int size;
    double ratio;
  } cases[] = {{0, 32, 1.0}, {0, 16, 1.0}, {0, 32, 2.0}, {1, 32, 1.0}, {0, 32, 1.0}};
  for (const auto& c : cases) cache.Icon(file, c.index, c.size, c.ratio);
  EXPECT_EQ(extractions_, 4);
  EXPECT_EQ(cache.Count(), 4);
  // Index 1 of a plain file is no icon: remembered all the same.
  EXPECT_TRUE(cache.Icon(file, 1, 32, 1.0).isNull());
  EXPECT_EQ(extractions_, 4);
}

TEST_F(IconCache, KeepsToItsBound) {
  // Room for two images of 32 × 32 pixels.
  TIconCache cache(2 * 32 * 32 * 4);
  const QStringList files = {Write("a.txt"), Write("b.txt"), Write("c.txt")};
  for (const QString& file : files) EXPECT_FALSE(cache.Icon(file, 0, 32, 1.0).isNull());
  EXPECT_EQ(cache.Count(), 2);
  cache.Icon(files[0], 0, 32, 1.0);
  EXPECT_EQ(extractions_, 4);
}

}  // namespace
}  // namespace tolvex

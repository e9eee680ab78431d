// The launcher button's rows: each icon size keeps its row height and shows
// the whole icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/ini_file.h"
#include "app/launcher_button.h"
#include "platform/shell.h"
#include "platform/sim/sim_shell.h"

namespace tolvex {
namespace {

TEST(LauncherButton, EverySizeKeepsItsRowAndShowsTheWholeIcon) {
  platform::SetShell(std::make_unique<platform::sim::SimShell>());
  QTemporaryDir folder;
  const QString target = folder.filePath("a.txt");
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("text");
  file.close();
  TtxIniFile layout(folder.filePath("layout.ini"));
  const struct {
    int size;
    int height;
    int shown;  // pixels of the icon on the button
  } rows[] = {{0, 20, 16}, {1, 38, 32}, {2, 25, 21}, {3, 25, 21}};
  for (const auto& row : rows) {
    layout.WriteString("Link1", "Type", "P");
    layout.WriteString("Link1", "Target", target);
    layout.WriteInteger("Link1", "Size", row.size);
    TTolvexButton button;
    button.resize(104, button.height());
    button.LoadFromSection(layout, 1);
    EXPECT_EQ(button.height(), row.height) << row.size;
    const QImage face = button.grab().toImage();
    // The icon's far corner lies inside the button, one pixel inside its margin.
    const QColor corner = face.pixelColor(2 + row.shown - 1, (row.height - row.shown) / 2 +
                                                                 row.shown - 1);
    EXPECT_EQ(corner.rgb(), face.pixelColor(2, (row.height - row.shown) / 2).rgb()) << row.size;
    EXPECT_NE(corner.rgb(), face.pixelColor(2 + row.shown + 1, row.height / 2).rgb()) << row.size;
  }
  platform::SetShell(nullptr);
}

}  // namespace
}  // namespace tolvex

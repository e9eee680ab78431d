// The real bar on a private X display: the window manager sees the title
// "TolvexBar" exactly and the program icon.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

TEST(WindowIdentityE2e, TheTitleIsTheBarsNameAloneAndTheWindowCarriesTheIcon) {
  XvfbSession display;
  ASSERT_TRUE(display.IsRunning());
  ProgramFolder folder;
  QTemporaryDir runtime;
  QDir().mkpath(folder.ConfigHome());
  QProcessEnvironment env = folder.Environment(display.Environment());
  env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
  env.insert("XDG_RUNTIME_DIR", runtime.path());
  const auto bar = folder.Start(env);
  QString id;
  ASSERT_TRUE(WaitUntil([&] {
    id = display.Run("xdotool", {"search", "--onlyvisible", "--class", "tolvexbar"})
             .split('\n', Qt::SkipEmptyParts)
             .value(0);
    return !id.isEmpty();
  }));
  EXPECT_EQ(display.Run("xprop", {"-id", id, "-notype", "_NET_WM_NAME"}).trimmed(),
            "_NET_WM_NAME = \"TolvexBar\"");
  const QString icon = display.Run("xprop", {"-id", id, "_NET_WM_ICON"});
  EXPECT_TRUE(icon.contains("Icon (")) << icon.left(200).toStdString();
  bar->terminate();
  bar->waitForFinished(5000);
}

}  // namespace
}  // namespace tolvex::test

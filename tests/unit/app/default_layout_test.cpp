// A new user's first layout: the shipped layout seeded into the per-user
// folder with the desktop's default applications in front; a layout that is
// already there stays as it is.
#include "app/default_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "app/configuration.h"
#include "app/elements.h"
#include "platform/desktop_defaults.h"
#include "test_folders.h"

namespace tolvex {
namespace {

using platform::DefaultApplication;

class FakeDefaults : public platform::IDesktopDefaults {
 public:
  explicit FakeDefaults(std::map<DefaultApplication, std::string> found)
      : found_(std::move(found)) {}
  std::string Find(DefaultApplication which) override {
    const auto it = found_.find(which);
    return it == found_.end() ? std::string() : it->second;
  }

 private:
  std::map<DefaultApplication, std::string> found_;
};

constexpr char kShipped[] =
    "[tolvexBar]\nCount=2\n[Link1]\nType=S\nKind=2\n[Link2]\nType=S\nKind=3\n";

struct FirstLayoutCase {
  const char* name;
  std::map<DefaultApplication, std::string> found;
  QStringList targets;  // of the launchers in front, in order
};

class FirstLayout : public testing::TestWithParam<FirstLayoutCase> {
 protected:
  void SetUp() override { TestFolders::Write(folders_.Program() + "tolvexbar.dat", kShipped); }
  void TearDown() override { platform::SetDesktopDefaults(nullptr); }
  TestFolders folders_;
};

TEST_P(FirstLayout, HasTheInstalledDefaultsInFrontOfTheShippedPanels) {
  platform::SetDesktopDefaults(std::make_unique<FakeDefaults>(GetParam().found));
  const TConfigFiles files = PrepareConfiguration();
  ASSERT_EQ(files.LayoutFile->FileName(), folders_.PerUser() + "tolvexbar.dat");

  TTolvexElementList list;
  list.LoadFromFile(files.LayoutFile->FileName());
  const QStringList& targets = GetParam().targets;
  ASSERT_EQ(list.Count(), targets.size() + 2);
  for (int i = 0; i < targets.size(); ++i) {
    EXPECT_EQ(list.Items(i).ElementKind, TTolvexElementKind::ekLauncher);
    EXPECT_EQ(list.Items(i).Target, targets[i]);
    EXPECT_EQ(list.Items(i).IconFile, targets[i]);
    EXPECT_EQ(list.Items(i).ShowCommand, 1);
  }
  EXPECT_EQ(list.Items(targets.size()).SnapInNumber, 3);
  EXPECT_EQ(list.Items(targets.size() + 1).SnapInNumber, 4);
  // The shipped file itself is left as it was.
  EXPECT_EQ(TestFolders::Read(folders_.Program() + "tolvexbar.dat"), kShipped);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirstLayout,
    testing::Values(
        FirstLayoutCase{"AllThree",
                        {{DefaultApplication::daTerminal, "/usr/bin/x-terminal-emulator"},
                         {DefaultApplication::daFileManager, "/usr/share/applications/fm.desktop"},
                         {DefaultApplication::daWebBrowser, "/usr/bin/x-www-browser"}},
                        {"/usr/bin/x-terminal-emulator", "/usr/share/applications/fm.desktop",
                         "/usr/bin/x-www-browser"}},
        FirstLayoutCase{"NoTerminal",
                        {{DefaultApplication::daFileManager, "/usr/share/applications/fm.desktop"},
                         {DefaultApplication::daWebBrowser, "/usr/bin/x-www-browser"}},
                        {"/usr/share/applications/fm.desktop", "/usr/bin/x-www-browser"}},
        FirstLayoutCase{"Nothing", {}, {}}),
    [](const testing::TestParamInfo<FirstLayoutCase>& info) { return info.param.name; });

TEST(FirstLayoutLater, ALayoutAlreadyInThePerUserFolderGetsNoLaunchers) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "tolvexbar.dat", kShipped);
  const QByteArray own = "[tolvexBar]\nCount=0\n";
  TestFolders::Write(folders.PerUser() + "tolvexbar.dat", own);
  platform::SetDesktopDefaults(std::make_unique<FakeDefaults>(
      std::map<DefaultApplication, std::string>{{DefaultApplication::daTerminal, "/bin/t"}}));
  PrepareConfiguration();
  platform::SetDesktopDefaults(nullptr);
  EXPECT_EQ(TestFolders::Read(folders.PerUser() + "tolvexbar.dat"), own);
}

}  // namespace
}  // namespace tolvex

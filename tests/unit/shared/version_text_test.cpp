// The version text of the about box.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "shared/project_info.h"

namespace tolvex {
namespace {

TEST(VersionText, FollowsReleaseType) {
  using enum TTolvexReleaseType;
  struct Case {
    int major, minor, build;
    TTolvexReleaseType release;
    const char* text;
  };
  const Case cases[] = {
      {2, 0, 0, rtFinalRelease, "Version 2.00"},
      {2, 10, 0, rtFinalRelease, "Version 2.10"},
      {2, 5, 0, rtFinalRelease, "Version 2.05"},
      {2, 5, 7, rtFinalRelease, "Version 2.05.7"},
      {1, 5, 3, rtBetaRelease, "Version 1.05.3 beta"},
      {1, 5, 0, rtBetaRelease, "Version 1.05 beta"},
      {1, 5, 2, rtReleaseCandidate, "Version 1.05 RC2"},
      {1, 5, 0, rtReleaseCandidate, "Version 1.05 RC"},
      {2, 0, 0, rtAlphaRelease, "Version 2.00 alpha"},
      {2, 0, 4, rtAlphaRelease, "Version 2.00.4 alpha"},
      {3, 123, 0, rtFinalRelease, "Version 3.123"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VersionText(c.major, c.minor, c.build, c.release), c.text);
  }
}

TEST(ProjectInfo, DefaultsAndVersionString) {
  TTxProjectInfo info;
  EXPECT_TRUE(info.ProjectName().isEmpty());
  EXPECT_TRUE(info.ProjectLogo().isNull());
  EXPECT_TRUE(info.ProjectIcon().isNull());
  EXPECT_FALSE(info.SupportEMail().isEmpty());
  EXPECT_FALSE(info.SupportHomepage().isEmpty());
  EXPECT_EQ(info.ProjectHomepage(), info.SupportHomepage());
  EXPECT_EQ(info.AboutDialogStyle(), TTxProjectInfoAboutDialogStyle::adVersion1);
  EXPECT_EQ(info.VersionString(), "Version 0.00");
}

}  // namespace
}  // namespace tolvex

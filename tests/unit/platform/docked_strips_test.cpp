// Where the toolbar shell lets a bar stand beside the strips of other docks:
// one table of proposals on a 1024 × 768 screen.
#include "platform/docked_strips.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tolvex::platform {

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

using enum StripHolder;

constexpr Rect kScreen{0, 0, 1024, 768};

struct Case {
  const char* name;
  int edge;
  std::vector<DockedStrip> strips;
  Rect expected;
};

TEST(DockedStrips, FitBesideStrips) {
  const DockedStrip topPanel{1, {0, 0, 1024, 30}, OtherProgram};
  const DockedStrip bottomPanel{3, {0, 738, 1024, 768}, OtherProgram};
  const DockedStrip leftPanel{0, {0, 0, 60, 768}, OtherProgram};
  const Case cases[] = {
      {"nothing docked", 0, {}, kScreen},
      {"no edge", 5, {topPanel, bottomPanel}, kScreen},
      {"a side bar ends above another program's bottom panel", 0, {bottomPanel}, {0, 0, 1024, 738}},
      {"and starts below its top panel", 2, {topPanel, bottomPanel}, {0, 30, 1024, 738}},
      {"top bars of the shell own the corners, earlier",
       0,
       {{1, {0, 0, 1024, 30}, EarlierBar}},
       {0, 30, 1024, 768}},
      {"or later", 2, {{3, {0, 708, 1024, 768}, LaterBar}}, {0, 0, 1024, 708}},
      {"a top bar runs over the shell's side bars",
       1,
       {{0, {0, 0, 104, 768}, EarlierBar}, {2, {920, 0, 1024, 768}, LaterBar}},
       kScreen},
      {"but starts beside another program's side panel", 1, {leftPanel}, {60, 0, 1024, 768}},
      {"the earlier bar keeps the outer place of an edge",
       2,
       {{2, {920, 0, 1024, 768}, EarlierBar}},
       {0, 0, 920, 768}},
      {"the later one does not", 2, {{2, {920, 0, 1024, 768}, LaterBar}}, kScreen},
      {"another program's panel on the same edge is outside",
       3,
       {{3, {0, 740, 1024, 768}}},
       {0, 0, 1024, 740}},
      {"bars on the opposite edge narrow the corners",
       0,
       {{2, {920, 0, 1024, 768}, LaterBar}, {3, {950, 700, 1024, 768}, OtherProgram}},
       {0, 0, 920, 768}},
      {"several strips add up",
       0,
       {topPanel,
        {1, {0, 30, 1024, 60}, LaterBar},
        bottomPanel,
        {0, {0, 30, 60, 738}, EarlierBar},
        {0, {60, 30, 164, 738}, LaterBar}},
       {60, 60, 1024, 738}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rect rect = kScreen;
    FitBesideStrips(c.edge, rect, c.strips);
    EXPECT_EQ(rect, c.expected);
  }
}

}  // namespace
}  // namespace tolvex::platform

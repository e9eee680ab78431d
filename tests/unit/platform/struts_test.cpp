// The struts a docked bar writes and the strips read back from other
// windows' struts, in the order the window-manager hints define.
#include "platform/x11/struts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tolvex::platform {

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace x11 {
namespace {

using Strut = std::vector<std::uint32_t>;

constexpr StrutScreen kScreen{1024, 768, 1.0};

TEST(Struts, WrittenAndReadBackForEachEdge) {
  struct Case {
    int edge;
    Rect rect;
    StrutScreen screen;
    Strut strut;
  };
  const Case cases[] = {
      {0, {0, 30, 104, 738}, kScreen, {104, 0, 0, 0, 30, 737, 0, 0, 0, 0, 0, 0}},
      {2, {920, 30, 1024, 768}, kScreen, {0, 104, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0}},
      {1, {0, 0, 1024, 30}, kScreen, {0, 0, 30, 0, 0, 0, 0, 0, 0, 1023, 0, 0}},
      {3, {60, 738, 1024, 768}, kScreen, {0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 60, 1023}},
      // Logical pixels of a screen scaled by two.
      {2, {460, 15, 512, 384}, {1024, 768, 2.0}, {0, 104, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge << " " << c.rect);
    EXPECT_EQ(StrutFor(c.edge, c.rect, c.screen), c.strut);
    const std::vector<DockedStrip> strips =
        StripsOf(c.strut, {}, c.screen, StripHolder::EarlierBar);
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(strips[0].edge, c.edge);
    EXPECT_EQ(strips[0].rect, c.rect);
    EXPECT_EQ(strips[0].holder, StripHolder::EarlierBar);
  }
}

TEST(Struts, NothingReservedWritesZeros) {
  EXPECT_EQ(StrutFor(5, {0, 0, 104, 768}, kScreen), Strut(12, 0));
  EXPECT_EQ(StrutFor(0, {}, kScreen), Strut(12, 0));
  EXPECT_TRUE(StripsOf(Strut(12, 0), Strut(4, 0), kScreen, StripHolder::OtherProgram).empty());
}

TEST(Struts, StripsOfOtherWindows) {
  struct Case {
    const char* name;
    Strut partial;
    Strut strut;
    std::vector<std::pair<int, Rect>> expected;
  };
  const Case cases[] = {
      {"a panel at the top",
       {0, 0, 30, 0, 0, 0, 0, 0, 0, 1023, 0, 0},
       {0, 0, 30, 0},
       {{1, {0, 0, 1024, 30}}}},
      {"a short dock at the bottom",
       {0, 0, 0, 48, 0, 0, 0, 0, 0, 0, 400, 623},
       {},
       {{3, {400, 720, 624, 768}}}},
      {"only the older strut: the whole length of each edge",
       {},
       {0, 104, 0, 20},
       {{2, {920, 0, 1024, 768}}, {3, {0, 748, 1024, 768}}}},
      {"an incomplete partial strut gives way to the older one",
       {0, 104, 0},
       {50, 0, 0, 0},
       {{0, {0, 0, 50, 768}}}},
      {"values beyond the screen are cut to it",
       {0xFFFFFFFF, 0, 0, 0, 0xFFFFFFF0, 0xFFFFFFFF, 0, 0, 0, 0, 0, 0},
       {},
       {}},
      {"and so are huge ones that start on it",
       {0xFFFFFFFF, 0, 0, 0, 100, 0xFFFFFFFF, 0, 0, 0, 0, 0, 0},
       {},
       {{0, {0, 100, 1024, 768}}}},
      {"an end before the start holds nothing", {0, 0, 30, 0, 0, 0, 0, 0, 500, 100, 0, 0}, {}, {}},
      {"neither property", {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<int, Rect>> strips;
    for (const DockedStrip& strip :
         StripsOf(c.partial, c.strut, kScreen, StripHolder::OtherProgram))
      strips.emplace_back(strip.edge, strip.rect);
    EXPECT_EQ(strips, c.expected);
  }
}

}  // namespace
}  // namespace x11
}  // namespace tolvex::platform

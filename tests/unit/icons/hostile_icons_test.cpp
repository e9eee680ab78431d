// Truncated, corrupted and hostile copies of the icon fixtures: the parser
// yields no icons or the sound images, never a crash, a hang or an image that
// claims to be sound and does not decode.
#include <gtest/gtest.h>

#include <random>

#include "exercise_icons.h"
#include "icon_fixtures.h"
#include "platform/qt_icon_image.h"

namespace tolvex::platform::icons::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + std::size_t(i)) = std::uint8_t(value >> (8 * i));
}
void Put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = std::uint8_t(value);
  bytes.at(at + 1) = std::uint8_t(value >> 8);
}
std::uint32_t Get32(const Bytes& bytes, std::size_t at) {
  return ByteView(bytes).U32(at);
}

TEST(HostileIcons, TruncatedCopiesKeepTheirSoundIcons) {
  for (const std::string& name : AllFixtures()) {
    SCOPED_TRACE(name);
    const Bytes full = ReadFixture(name);
    const ExerciseOutcome whole = ExerciseIcons(OpenIcons, full);
    ASSERT_TRUE(whole.recognised);
    for (std::size_t length = 0; length < full.size(); length += length < 1024 ? 1 : 97) {
      const ExerciseOutcome cut = ExerciseIcons(OpenIcons, std::span(full).first(length));
      ASSERT_LE(cut.count, whole.count) << length;
      ASSERT_EQ(cut.undecodable, 0) << length;
    }
  }
}

// An .ico file cut after its k-th image still offers its first k images.
TEST(HostileIcons, CutIconFileListsTheImagesBeforeTheCut) {
  const Bytes full = ReadFixture("depths.ico");
  MemorySource whole(full);
  const std::vector<ImageInfo> images = IconImages(*OpenIcons(whole), 0);
  ASSERT_EQ(images.size(), 9u);
  for (std::size_t k = 0; k < images.size(); ++k) {
    const std::size_t end = std::size_t(images[k].ref.offset + images[k].ref.size);
    MemorySource cut{std::span(full).first(end)};
    EXPECT_EQ(IconImages(*OpenIcons(cut), 0).size(), k + 1) << end;
  }
}

TEST(HostileIcons, CorruptedCopiesStaySafe) {
  std::mt19937 random(7);
  for (const std::string& name : AllFixtures()) {
    SCOPED_TRACE(name);
    const Bytes full = ReadFixture(name);
    for (int round = 0; round < 300; ++round) {
      Bytes copy = full;
      // Half the rounds hit the headers and tables near the start.
      const std::size_t range = round % 2 ? copy.size() : std::min<std::size_t>(copy.size(), 2048);
      const int flips = 1 + int(random() % 8);
      for (int i = 0; i < flips; ++i) copy[random() % range] = std::uint8_t(random());
      ASSERT_EQ(ExerciseIcons(OpenIcons, copy).undecodable, 0) << round;
    }
  }
}

// The section table of a PE fixture and the address of its resources.
struct PeSections {
  std::size_t table = 0;
  std::size_t count = 0;
  std::uint32_t resources = 0;
};

PeSections Sections(const Bytes& pe) {
  const std::size_t header = Get32(pe, 0x3C);
  const std::size_t optional = header + 24;
  const bool plus = ByteView(pe).U16(optional) == 0x20B;
  return {optional + ByteView(pe).U16(header + 20), ByteView(pe).U16(header + 6),
          Get32(pe, optional + (plus ? 112 : 96) + 16)};
}

// The file offset of the resource root of a PE fixture.
std::size_t PeResourceRoot(const Bytes& pe) {
  const PeSections sections = Sections(pe);
  for (std::size_t s = 0; s < sections.count; ++s) {
    const std::size_t at = sections.table + s * 40;
    const std::uint32_t start = Get32(pe, at + 12);
    if (sections.resources >= start && sections.resources - start < Get32(pe, at + 16))
      return Get32(pe, at + 20) + (sections.resources - start);
  }
  return 0;
}

// Sections before the resources claim file bytes that reach far beyond
// their memory, over the resources' addresses.
void PadSectionsBeforeResources(Bytes& pe) {
  const PeSections sections = Sections(pe);
  for (std::size_t s = 0; s < sections.count; ++s) {
    const std::size_t at = sections.table + s * 40;
    if (Get32(pe, at + 12) < sections.resources) Put32(pe, at + 16, 0x10000000);
  }
}

TEST(HostileIcons, HostileFieldsGiveNoIconsOrTheSoundOnes) {
  struct Case {
    const char* name;
    const char* file;
    std::function<void(Bytes&)> patch;
    bool recognised;
    int count;        // the icon count, -1: any
    int firstImages;  // the sound images of icon 0, -1: any
  };
  const auto ico = [](std::size_t at, std::uint32_t value) {
    return [=](Bytes& b) { Put32(b, Get32(b, 18) + at, value); };
  };
  const Case cases[] = {
      {"ico: 65535 entries", "red.ico", [](Bytes& b) { Put16(b, 4, 0xFFFF); }, true, 1, 4},
      {"ico: no entries", "red.ico", [](Bytes& b) { Put16(b, 4, 0); }, false, 0, 0},
      {"ico: image beyond the end", "red.ico", [](Bytes& b) { Put32(b, 18, 0xFFFFFFF0); }, true, 1,
       3},
      // An image that claims more bytes than it needs still decodes.
      {"ico: image of 4 GiB", "red.ico", [](Bytes& b) { Put32(b, 14, 0xFFFFFFFF); }, true, 1, 4},
      {"dib: header of 4 GiB", "red.ico", ico(0, 0xFFFFFFFF), true, 1, 3},
      {"dib: huge width", "red.ico", ico(4, 0x7FFFFFFF), true, 1, 3},
      {"dib: negative height", "red.ico", ico(8, std::uint32_t(-32)), true, 1, 3},
      {"dib: 7 bits per pixel", "red.ico", ico(12, 7u << 16 | 1), true, 1, 3},
      {"dib: compressed", "red.ico", ico(16, 1), true, 1, 3},
      {"dib: 4 billion palette colours", "red.ico", ico(32, 0xFFFFFFFF), true, 1, 3},
      {"ne: alignment shift 65535", "icons16.icl", [](Bytes& b) { Put16(b, 0x80, 0xFFFF); }, true,
       0, 0},
      {"ne: alignment shift 16", "icons16.icl", [](Bytes& b) { Put16(b, 0x80, 16); }, true, 5, 0},
      {"ne: 65535 icon resources", "icons16.icl", [](Bytes& b) { Put16(b, 0x84, 0xFFFF); }, true, 0,
       0},
      {"ne: table beyond the end", "icons16.icl", [](Bytes& b) { Put16(b, 0x64, 0xFFFF); }, true, 0,
       0},
      {"pe: header beyond the end", "icons64.dll", [](Bytes& b) { Put32(b, 0x3C, 0xFFFFFFF0); },
       false, 0, 0},
      {"pe: 65535 sections", "icons32.dll", [](Bytes& b) { Put16(b, Get32(b, 0x3C) + 6, 0xFFFF); },
       true, -1, -1},
      {"pe: padded sections before the resources", "icons32.dll", PadSectionsBeforeResources, true,
       6, 4},
      {"pe: section table beyond the end", "icons64.dll",
       [](Bytes& b) { Put16(b, Get32(b, 0x3C) + 20, 0xFFFF); }, true, 0, 0},
      {"pe: 65535 type entries", "icons64.dll",
       [](Bytes& b) { Put16(b, PeResourceRoot(b) + 14, 0xFFFF); }, true, -1, -1},
      {"pe: 65535 groups", "icons64.dll",
       [](Bytes& b) {
         const std::size_t root = PeResourceRoot(b);
         Put16(b, root + (Get32(b, root + 16 + 12) & 0x7FFFFFFF) + 14, 0xFFFF);
       },
       true, -1, 4},
      {"pe: group type leads back to the root", "icons64.dll",
       [](Bytes& b) { Put32(b, PeResourceRoot(b) + 16 + 12, 0x80000000); }, true, 2, 0},
      {"pe: language level leads back to the root", "icons64.dll",
       [](Bytes& b) {
         const std::size_t root = PeResourceRoot(b);
         const std::size_t groups = root + (Get32(b, root + 16 + 12) & 0x7FFFFFFF);
         const std::size_t languages = root + (Get32(b, groups + 16 + 4) & 0x7FFFFFFF);
         Put32(b, languages + 16 + 4, 0x80000000);
       },
       true, 6, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = ReadFixture(c.file);
    c.patch(bytes);
    const ExerciseOutcome outcome = ExerciseIcons(OpenIcons, bytes, DecodePng);
    EXPECT_EQ(outcome.recognised, c.recognised);
    EXPECT_EQ(outcome.undecodable, 0);
    if (c.count >= 0) {
      EXPECT_EQ(outcome.count, c.count);
    }
    if (c.firstImages >= 0 && outcome.recognised) {
      MemorySource source(bytes);
      EXPECT_EQ(IconImages(*OpenIcons(source), 0).size(), std::size_t(c.firstImages));
    }
  }
}

}  // namespace
}  // namespace tolvex::platform::icons::testing

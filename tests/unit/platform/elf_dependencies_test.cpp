// The libraries an ELF file needs, read from untrusted files: real plug-ins,
// both classes and byte orders, and damaged files that must give a reason,
// never a crash.
#include <gtest/gtest.h>

#include <QFile>

#include "elf_test_image.h"
#include "platform/linux/elf_dependencies.h"

namespace tolvex::platform {
namespace {

using test::ElfTestImage;

ElfDependencies Read(const std::vector<std::uint8_t>& bytes) {
  icons::MemorySource source(bytes);
  return ReadElfDependencies(source);
}

TEST(ElfDependencies, AreReadFromEveryClassAndByteOrder) {
  for (const bool wide : {true, false}) {
    for (const bool bigEndian : {false, true}) {
      SCOPED_TRACE(std::to_string(wide) + std::to_string(bigEndian));
      ElfTestImage image{wide, bigEndian, {"libQt6Widgets.so.6", "libc.so.6"}};
      const ElfDependencies read = Read(image.Bytes());
      EXPECT_EQ(read.error, "");
      EXPECT_EQ(read.needed, image.needed);
    }
  }
}

TEST(ElfDependencies, OfARealPlugInNameItsQt) {
  icons::FileSource file(SAMPLE_SNAPIN);
  const ElfDependencies read = ReadElfDependencies(file);
  EXPECT_EQ(read.error, "");
  EXPECT_NE(std::find(read.needed.begin(), read.needed.end(), "libQt6Widgets.so.6"),
            read.needed.end());
}

// Each row: one field of a good image damaged, and the reason given.
TEST(ElfDependencies, DamagedFilesGiveAReason) {
  const ElfTestImage image{true, false, {"libQt6Core.so.6"}};
  const std::vector<std::uint8_t> good = image.Bytes();
  struct Case {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    const char* error;
  };
  const Case cases[] = {
      {"text",
       [](auto& b) {
         b.assign({'k', 'e', 'i', 'n'});
       },
       "not an ELF file"},
      {"class 3", [](auto& b) { b[4] = 3; }, "unknown ELF class or byte order"},
      {"cut header", [](auto& b) { b.resize(40); }, "truncated ELF header"},
      {"program", [&](auto& b) { image.Put(b, image.typeAt, 2, 2); }, "not a shared library"},
      {"65535 headers", [&](auto& b) { image.Put(b, image.programHeaderCountAt(), 0xffff, 2); },
       "malformed program headers"},
      {"headers past the end",
       [&](auto& b) { image.PutWord(b, image.programHeadersAt(), 1u << 30); },
       "truncated program headers"},
      {"headers at the top of the address range",
       [&](auto& b) { image.PutWord(b, image.programHeadersAt(), ~std::uint64_t(0) - 8); },
       "truncated program headers"},
      {"string table unmapped", [&](auto& b) { image.PutWord(b, image.entryAt(1) + 8, 0x10); },
       "dynamic string table outside the file"},
      {"string table too long",
       [&](auto& b) { image.PutWord(b, image.entryAt(2) + 8, ~std::uint64_t(0)); },
       "dynamic string table outside the file"},
      {"name past the table", [&](auto& b) { image.PutWord(b, image.entryAt(0) + 8, 1000); },
       "needed library name outside the string table"},
      {"name without its end", [](auto& b) { b.back() = 'x'; },
       "needed library name outside the string table"},
      {"dynamic section cut", [&](auto& b) { b.resize(image.entryAt(1)); },
       "truncated dynamic section"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> bytes = good;
    c.damage(bytes);
    const ElfDependencies read = Read(bytes);
    EXPECT_EQ(read.error, c.error);
    EXPECT_TRUE(read.needed.empty());
  }
}

TEST(ElfDependencies, WithoutDynamicSectionNothingIsNeeded) {
  const ElfTestImage image{true, false, {"libQt6Core.so.6"}};
  std::vector<std::uint8_t> bytes = image.Bytes();
  image.Put(bytes, image.programHeaderCountAt(), 1, 2);
  const ElfDependencies read = Read(bytes);
  EXPECT_EQ(read.error, "");
  EXPECT_TRUE(read.needed.empty());
}

// Every cut of a real plug-in reads without a fault: a reason or a prefix.
TEST(ElfDependencies, EveryCutOfARealPlugInIsReadSafely) {
  QFile file(SAMPLE_SNAPIN);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray whole = file.readAll();
  const std::vector<std::uint8_t> bytes(whole.begin(), whole.end());
  for (std::size_t size = 0; size < bytes.size(); size += 1 + size / 16) {
    const ElfDependencies read = Read({bytes.begin(), bytes.begin() + std::ptrdiff_t(size)});
    EXPECT_TRUE(!read.error.empty() || read.needed.size() <= 64) << size;
  }
}

}  // namespace
}  // namespace tolvex::platform

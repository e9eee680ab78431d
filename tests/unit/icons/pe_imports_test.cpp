// The libraries a PE module imports from, read from a small module built
// here and from damaged copies of it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "icon_fixtures.h"
#include "platform/icons/pe_imports.h"

namespace tolvex::platform::icons::testing {
namespace {

constexpr std::size_t kOptional = 0x58;
constexpr std::size_t kSectionTable = kOptional + 240;
constexpr std::uint32_t kSectionAddress = 0x1000;
constexpr std::size_t kSectionFile = 0x400;
constexpr std::size_t kSectionSize = 0x200;

// A 64-bit module with one section that holds the import descriptors (at its
// start) and the names they point to.
class ModuleBuilder {
 public:
  ModuleBuilder() : bytes_(kSectionFile + kSectionSize) {
    Put(0, "MZ");
    Put32(0x3C, 0x40);
    Put(0x40, "PE");
    Put16(0x44, 0x8664);
    Put16(0x46, 1);
    Put16(0x54, 240);
    Put16(kOptional, 0x20B);
    Put32(kOptional + 108, 16);
    SetImportDirectory(kSectionAddress);
    Put32(kSectionTable + 8, kSectionSize);
    Put32(kSectionTable + 12, kSectionAddress);
    Put32(kSectionTable + 16, kSectionSize);
    Put32(kSectionTable + 20, kSectionFile);
  }

  void SetImportDirectory(std::uint32_t address) { Put32(kOptional + 112 + 8, address); }
  // Descriptor `index` names the library whose name lies at `nameAddress`.
  void Import(int index, std::uint32_t nameAddress) {
    Put32(kSectionFile + index * 20 + 12, nameAddress);
  }
  void Name(std::uint32_t address, const char* name) {
    Put(kSectionFile + (address - kSectionAddress), name);
  }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  void Put(std::size_t at, const char* text) { std::memcpy(&bytes_[at], text, std::strlen(text)); }
  void Put16(std::size_t at, std::uint16_t value) { std::memcpy(&bytes_[at], &value, 2); }
  void Put32(std::size_t at, std::uint32_t value) { std::memcpy(&bytes_[at], &value, 4); }
  std::vector<std::uint8_t> bytes_;
};

std::optional<std::vector<std::string>> Imports(const std::vector<std::uint8_t>& bytes) {
  MemorySource source(bytes);
  return PeImportedLibraries(source);
}

using Names = std::vector<std::string>;

TEST(PeImports, LibrariesInTheOrderOfTheDirectory) {
  ModuleBuilder module;
  module.Import(0, 0x1100);
  module.Import(1, 0x1120);
  module.Name(0x1100, "KERNEL32.dll");
  module.Name(0x1120, "Qt6Core.dll");
  EXPECT_EQ(Imports(module.Bytes()), (Names{"KERNEL32.dll", "Qt6Core.dll"}));
}

TEST(PeImports, ModulesWithoutImportsAndFilesThatAreNoModules) {
  ModuleBuilder module;
  module.SetImportDirectory(0);
  EXPECT_EQ(Imports(module.Bytes()), Names{});
  EXPECT_EQ(Imports(ReadFixture("icons64.dll")), Names{});
  EXPECT_EQ(Imports(ReadFixture("blue.ico")), std::nullopt);
  EXPECT_EQ(Imports({'M', 'Z'}), std::nullopt);
}

TEST(PeImports, DamagedDirectoriesGiveWhatCanBeRead) {
  struct Case {
    const char* what;
    std::uint32_t secondName;  // address of the second descriptor's name
    std::uint32_t directory;   // address of the import directory
    Names expected;
  };
  const Case cases[] = {
      {"a name outside every section is left out", 0x9000, kSectionAddress, {"A.dll"}},
      {"a name running to the section's end is left out", 0x11FC, kSectionAddress, {"A.dll"}},
      {"a directory outside every section is empty", 0x1120, 0x8000, {}},
      {"descriptors running off the section stop there", 0x1120, 0x11F0, {}},
  };
  for (const Case& c : cases) {
    ModuleBuilder module;
    module.Import(0, 0x1100);
    module.Import(1, c.secondName);
    module.Name(0x1100, "A.dll");
    if (c.secondName == 0x11FC) module.Name(0x11FC, "BBBB");
    module.SetImportDirectory(c.directory);
    EXPECT_EQ(Imports(module.Bytes()), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace tolvex::platform::icons::testing

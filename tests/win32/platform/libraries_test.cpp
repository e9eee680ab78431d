// The library service with a small library of the tests and the system's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "platform/win32/win32_libraries.h"
#include "win32_test_support.h"

namespace tolvex::platform {
namespace {

constexpr const char* kLibrary = TOLVEX_TEST_LIBRARY;
constexpr const char* kLibraryName = "win32_test_library.dll";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

TEST(Win32Libraries, LoadsLooksUpAndReleases) {
  Win32Libraries libraries;
  EXPECT_FALSE(libraries.IsLoaded(kLibraryName));
  std::string error;
  LibraryHandle library = libraries.Load(kLibrary, error);
  ASSERT_NE(library, nullptr) << error;
  EXPECT_TRUE(error.empty());
  auto answer = reinterpret_cast<int (*)()>(libraries.Symbol(library, "TolvexTestAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(libraries.Symbol(library, "NoSuchExport"), nullptr);
  EXPECT_TRUE(libraries.IsLoaded(kLibraryName));
  EXPECT_TRUE(libraries.IsLoaded("WIN32_TEST_LIBRARY.DLL"));
  EXPECT_FALSE(libraries.IsLoaded(""));
  EXPECT_FALSE(libraries.IsLoaded("win32_test"));
  // Loaded twice, released once: still loaded.
  LibraryHandle again = libraries.Load(kLibrary, error);
  ASSERT_EQ(again, library);
  libraries.Unload(again);
  EXPECT_TRUE(libraries.IsLoaded(kLibraryName));
  libraries.Unload(library);
  EXPECT_FALSE(libraries.IsLoaded(kLibraryName));
}

TEST(Win32Libraries, AReleasedLibraryHeldElsewhereDoesNotCount) {
  Win32Libraries first;
  Win32Libraries second;
  std::string error;
  LibraryHandle held = second.Load(kLibrary, error);
  ASSERT_NE(held, nullptr) << error;
  LibraryHandle library = first.Load(kLibrary, error);
  ASSERT_NE(library, nullptr) << error;
  first.Unload(library);
  EXPECT_FALSE(first.IsLoaded(kLibraryName));
  EXPECT_TRUE(second.IsLoaded(kLibraryName));
  second.Unload(held);
}

TEST(Win32Libraries, SystemLibrariesLoadedByOthersCount) {
  Win32Libraries libraries;
  EXPECT_TRUE(libraries.IsLoaded("kernel32.dll"));
  EXPECT_FALSE(libraries.IsLoaded("no-such-library.dll"));
}

TEST(Win32Libraries, AFailedLoadSaysWhy) {
  Win32Libraries libraries;
  testing::TempFolder folder;
  std::string error;
  EXPECT_EQ(libraries.Load(folder.File("missing.dll"), error), nullptr);
  EXPECT_FALSE(error.empty());
  const std::string text = folder.File("text.dll");
  ASSERT_TRUE(testing::WriteFile(text, "kein Programm"));
  EXPECT_EQ(libraries.Load(text, error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST(Win32Libraries, ReadsTheNeededLibrariesFromTheFile) {
  Win32Libraries libraries;
  std::vector<std::string> needed;
  std::string error;
  ASSERT_TRUE(libraries.NeededLibraries(kLibrary, needed, error)) << error;
  std::vector<std::string> lower;
  for (const std::string& name : needed) lower.push_back(Lower(name));
  EXPECT_NE(std::find(lower.begin(), lower.end(), "kernel32.dll"), lower.end());
  // Reading the imports loads nothing.
  EXPECT_FALSE(libraries.IsLoaded(kLibraryName));

  testing::TempFolder folder;
  const std::string text = folder.File("text.dll");
  ASSERT_TRUE(testing::WriteFile(text, "MZ kein Programm"));
  EXPECT_FALSE(libraries.NeededLibraries(text, needed, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(libraries.NeededLibraries(folder.File("missing.dll"), needed, error));
  EXPECT_FALSE(error.empty());
}

struct RunningProbe {
  Win32Libraries* libraries;
  LibraryHandle library;
};

bool AskIsRunning(void* context) {
  auto* probe = static_cast<RunningProbe*>(context);
  return probe->libraries->IsRunning(probe->library);
}

TEST(Win32Libraries, TellsWhetherALibrarysCodeIsOnTheStack) {
  Win32Libraries libraries;
  std::string error;
  LibraryHandle library = libraries.Load(kLibrary, error);
  ASSERT_NE(library, nullptr) << error;
  RunningProbe probe{&libraries, library};
  EXPECT_FALSE(AskIsRunning(&probe));
  auto callBack = reinterpret_cast<bool (*)(bool (*)(void*), void*)>(
      libraries.Symbol(library, "TolvexTestCallBack"));
  ASSERT_NE(callBack, nullptr);
  EXPECT_TRUE(callBack(&AskIsRunning, &probe));
  EXPECT_FALSE(libraries.IsRunning(nullptr));
  libraries.Unload(library);
}

}  // namespace
}  // namespace tolvex::platform

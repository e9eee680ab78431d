// The shell service: "open" of a Windows program with parameters and working
// folder, the folders, and the icons against the system's own extraction.
#include <windows.h>
#include <shellapi.h>
// The system headers rename ExtractIcon to its wide version.
#undef ExtractIcon

#include <gtest/gtest.h>

#include "platform/icons/icon_loader.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_shell.h"
#include "win32_test_support.h"

namespace tolvex::platform {
namespace {

using testing::TempFolder;

std::string SystemFolder() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
  return Utf8(std::wstring_view(buffer, length));
}

bool WaitForFile(const std::string& path) {
  for (int i = 0; i < 200; ++i) {
    if (testing::Exists(path) && !testing::ReadFile(path).empty()) return true;
    Sleep(50);
  }
  return false;
}

TEST(Win32Shell, OpensAProgramWithParametersInItsWorkingFolder) {
  TempFolder folder;
  Win32Shell shell;
  ASSERT_TRUE(shell.Open("cmd.exe", "/c echo Hallo>ausgabe.txt", folder.Path(), ShowMinimized));
  ASSERT_TRUE(WaitForFile(folder.File("ausgabe.txt")));
  EXPECT_EQ(testing::ReadFile(folder.File("ausgabe.txt")).substr(0, 5), "Hallo");
}

TEST(Win32Shell, OpeningSomethingMissingFails) {
  TempFolder folder;
  Win32Shell shell;
  EXPECT_FALSE(shell.Open(folder.File("fehlt.exe"), "", "", ShowNormal));
}

TEST(Win32Shell, NamesTheProgramAndTheApplicationDataFolder) {
  Win32Shell shell;
  const std::string program = shell.ProgramFile();
  EXPECT_NE(program.find("win32_platform_test.exe"), std::string::npos) << program;
  const std::string appData = shell.AppDataFolder();
  ASSERT_FALSE(appData.empty());
  EXPECT_NE(appData.back(), '\\');
  EXPECT_TRUE(testing::Exists(appData)) << appData;
}

// How many icons the system's own extraction finds in `file`.
int SystemIconCount(const std::string& file) {
  return int(ExtractIconExW(Wide(file).c_str(), -1, nullptr, nullptr, 0));
}

TEST(Win32Shell, CountsIconsAsTheSystemDoes) {
  Win32Shell shell;
  const std::string fixtures = TOLVEX_FIXTURE_DIR "/icons/";
  for (const std::string& file :
       {fixtures + "icons32.dll", fixtures + "icons64.dll", fixtures + "noicons.exe",
        SystemFolder() + "\\shell32.dll", SystemFolder() + "\\user32.dll"}) {
    EXPECT_EQ(shell.IconCount(file), SystemIconCount(file)) << file;
  }
  // An icon file is one icon, for the shell and for the system.
  EXPECT_EQ(shell.IconCount(fixtures + "red.ico"), 1);
  EXPECT_EQ(SystemIconCount(fixtures + "red.ico"), 1);
  EXPECT_EQ(shell.IconCount(fixtures + "missing.dll"), 0);
}

// The system's icon `index` of `file` drawn `pixels` square, as ARGB pixels.
std::vector<std::uint32_t> SystemIcon(const std::string& file, int index, int pixels) {
  HICON icon = nullptr;
  UINT id = 0;
  if (PrivateExtractIconsW(Wide(file).c_str(), index, pixels, pixels, &icon, &id, 1, 0) != 1 ||
      icon == nullptr)
    return {};
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = pixels;
  format.bmiHeader.biHeight = -pixels;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> out(std::size_t(pixels) * pixels);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, UINT(pixels), out.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  return out;
}

// Whether icon `index` of `file` holds an image of exactly `pixels`: scaled
// images are not compared, the system scales differently.
bool HasImageOfSize(const std::string& file, int index, int pixels) {
  icons::FileSource source(file);
  const auto container = icons::OpenIcons(source);
  if (!container) return false;
  for (const icons::ImageInfo& image : icons::IconImages(*container, index))
    if (image.width == pixels && image.height == pixels) return true;
  return false;
}

TEST(Win32Shell, DrawsTheIconsTheSystemExtracts) {
  Win32Shell shell;
  const std::string fixtures = TOLVEX_FIXTURE_DIR "/icons/";
  for (const std::string& file : {fixtures + "icons32.dll", fixtures + "icons64.dll",
                                  fixtures + "red.ico", SystemFolder() + "\\shell32.dll"}) {
    const int count = std::min(shell.IconCount(file), 4);
    for (int index = 0; index < count; ++index) {
      if (!HasImageOfSize(file, index, 32)) continue;
      const IconImage image = shell.ExtractIcon(file, index, 32);
      ASSERT_FALSE(image.IsNull()) << file << " " << index;
      EXPECT_EQ(image.width, 32);
      const std::vector<std::uint32_t> system = SystemIcon(file, index, 32);
      ASSERT_EQ(system.size(), image.pixels.size()) << file << " " << index;
      // Colours of opaque pixels agree; the system's alpha of old icons
      // without one is not comparable.
      int differing = 0;
      int opaque = 0;
      for (std::size_t i = 0; i < system.size(); ++i) {
        if ((image.pixels[i] >> 24) != 0xFF) continue;
        ++opaque;
        if ((image.pixels[i] & 0xFFFFFF) != (system[i] & 0xFFFFFF)) ++differing;
      }
      EXPECT_LE(differing, opaque / 20) << file << " " << index;
    }
  }
}

TEST(Win32Shell, AFileOfNoIconTypeShowsTheShellsTypeIcon) {
  TempFolder folder;
  const std::string text = folder.File("liesmich.txt");
  ASSERT_TRUE(testing::WriteFile(text, "Hallo"));
  Win32Shell shell;
  EXPECT_EQ(shell.IconCount(text), 1);
  EXPECT_EQ(shell.IconCount(folder.Path()), 1);
  const IconImage icon = shell.ExtractIcon(text, 0, 32);
  EXPECT_EQ(icon.width, 32);
  EXPECT_TRUE(shell.ExtractIcon(text, 1, 32).IsNull());
}

}  // namespace
}  // namespace tolvex::platform

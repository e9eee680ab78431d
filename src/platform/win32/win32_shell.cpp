// Opening with the shell's "open" verb; icons; the application-data folder.
#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
// The system names its own function so; ours is the icon loader's.
#undef LoadIcon
// The shell header renames ExtractIcon to its wide version.
#undef ExtractIcon

#include <QFileInfo>
#include <QImage>

#include "platform/icons/icon_loader.h"
#include "platform/qt_icon_image.h"
#include "platform/win32/wide_text.h"

namespace tolvex::platform {

namespace {

int ShowCommandOf(int showCommand) {
  switch (showCommand) {
    case ShowMinimized: return SW_SHOWMINIMIZED;
    case ShowMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

// The icon the shell shows for a file's type (or a folder), as an image.
QImage TypeIcon(const std::wstring& path, int pixels) {
  SHFILEINFOW info{};
  const UINT size = pixels > kSmallIconSize ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  if (::SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | size) == 0 ||
      info.hIcon == nullptr) {
    return {};
  }
  const QImage image = QImage::fromHICON(info.hIcon);
  ::DestroyIcon(info.hIcon);
  return image;
}

}  // namespace

bool Win32Shell::Open(const std::string& target, const std::string& parameters,
                      const std::string& workingDir, int showCommand) {
  const std::wstring file = Wide(target);
  const std::wstring arguments = Wide(parameters);
  const std::wstring folder = Wide(workingDir);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = ShowCommandOf(showCommand);
  return ::ShellExecuteExW(&info) != FALSE;
}

int Win32Shell::IconCount(const std::string& file) {
  if (file.empty() || ::GetFileAttributesW(Wide(file).c_str()) == INVALID_FILE_ATTRIBUTES) return 0;
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source)) return container->Count();
  return 1;
}

IconImage Win32Shell::ExtractIcon(const std::string& file, int index, int size,
                                  double devicePixelRatio) {
  const int pixels = IconPixels(size, devicePixelRatio);
  const std::wstring path = Wide(file);
  if (pixels == 0 || file.empty() || ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return {};
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source))
    return FitIcon(ToQImage(icons::LoadIcon(*container, index, pixels, DecodePng)), pixels);
  if (index != 0) return {};
  return FitIcon(TypeIcon(path, pixels), pixels);
}

std::string Win32Shell::AppDataFolder() {
  PWSTR folder = nullptr;
  std::string path;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)))
    path = Utf8(folder);
  ::CoTaskMemFree(folder);
  return path;
}

std::string Win32Shell::ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Utf8(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace tolvex::platform

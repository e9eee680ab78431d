// Simulated shell.
#include "platform/sim/sim_shell.h"

#include <QFileInfo>
#include <QImage>

#include "platform/icons/icon_loader.h"
#include "platform/linux/desktop_entry.h"
#include "platform/qt_icon_image.h"
#include "platform/linux/user_folders.h"
#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

namespace {

// The fixed images of files and folders without icons of their own.
constexpr QRgb kFileColour = 0xff8090a0;
constexpr QRgb kFolderColour = 0xffe0b040;

}  // namespace

bool SimShell::Open(const std::string& target, const std::string& parameters,
                    const std::string& workingDir, int showCommand) {
  Log("shell", "open", {target, parameters, workingDir, std::to_string(showCommand)});
  return true;
}

int SimShell::IconCount(const std::string& file) {
  if (file.empty() || !QFileInfo::exists(QString::fromStdString(file))) return 0;
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source)) return container->Count();
  return 1;
}

IconImage SimShell::ExtractIcon(const std::string& file, int index, int size,
                                double devicePixelRatio) {
  const QFileInfo info(QString::fromStdString(file));
  const int pixels = IconPixels(size, devicePixelRatio);
  if (pixels == 0 || file.empty() || !info.exists()) return {};
  icons::FileSource source(file);
  if (const auto container = icons::OpenIcons(source))
    return FitIcon(ToQImage(icons::LoadIcon(*container, index, pixels, DecodePng)), pixels);
  if (index != 0) return {};
  IconImage image;
  image.width = image.height = pixels;
  image.pixels.assign(std::size_t(pixels) * std::size_t(pixels),
                      info.isDir() ? kFolderColour : kFileColour);
  return image;
}

std::string SimShell::AppDataFolder() {
  return ConfigFolder();
}

std::string SimShell::ProgramFile() {
  return RunningProgramFile();
}

std::string SimShell::UserDataFolder() {
  return DataFolder();
}

// Reading a desktop entry's name looks up nothing on the desktop.
std::string SimShell::DisplayName(const std::string& file) {
  return DesktopEntryName(file);
}

}  // namespace tolvex::platform::sim

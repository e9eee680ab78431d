// The shell service: "open" a target, the icons of a file, and the folders
// the program lives in.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolvex::platform {

// The show command of an "open": 1 normal window, 2 minimised, 3 maximised.
enum ShowCommand : int { ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3 };

// The sizes of the shell's large and small icons at a device pixel ratio of 1.
inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;

// One icon image: `pixels` holds width × height values 0xAARRGGBB
// (not premultiplied), row by row from the top; the layout of a
// QImage::Format_ARGB32 image with width × 4 bytes per line.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool IsNull() const { return width <= 0 || height <= 0; }
};

class IShell {
 public:
  virtual ~IShell() = default;

  // Opens `target` as the desktop would ("open" verb) with the given
  // parameters, working folder and show command. Paths are UTF-8.
  virtual bool Open(const std::string& target, const std::string& parameters,
                    const std::string& workingDir, int showCommand) = 0;

  // How many icons `file` holds: the icon groups of a program or library,
  // 1 for an icon file and for any other existing file or folder (it shows
  // the desktop's icon for its type), 0 when it does not exist or is a
  // program or library without icons.
  virtual int IconCount(const std::string& file) = 0;
  // Icon `index` of `file` (a negative index names the icon group whose
  // resource ID is -index) drawn `size` pixels square on a screen with
  // `devicePixelRatio`: the image is size × devicePixelRatio pixels square,
  // made from the stored image that fits that best. A null image when there
  // is no such icon.
  virtual IconImage ExtractIcon(const std::string& file, int index, int size,
                                double devicePixelRatio = 1.0) = 0;

  // The user's application-data folder (no trailing "/"). Where the
  // platform's rules ask for it, a missing one is created first; it may
  // still not exist when that fails.
  virtual std::string AppDataFolder() = 0;
  // The full path of the running program file.
  virtual std::string ProgramFile() = 0;
  // The user's folder for installed data such as plug-ins (no trailing "/"),
  // which may not exist; empty where the platform has none.
  virtual std::string UserDataFolder() { return {}; }
  // The name the desktop shows for `file` where that is not the file's own
  // name (a desktop entry's localised name); empty otherwise.
  virtual std::string DisplayName(const std::string& /*file*/) { return {}; }
};

// The back end chosen at start.
IShell& Shell();
// Replaces it (tests); nullptr returns to the default choice.
void SetShell(std::unique_ptr<IShell> shell);

}  // namespace tolvex::platform

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

// One icon image: `pixels` holds width × height values 0xAARRGGBB
// (not premultiplied), row by row from the top.
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

  // How many icons `file` holds (0 when none can be had).
  virtual int IconCount(const std::string& file) = 0;
  // Icon `index` of `file`, in the image that best fits `size` pixels square;
  // a null image when there is none.
  virtual IconImage ExtractIcon(const std::string& file, int index, int size) = 0;

  // The user's application-data folder (no trailing "/"); it may not exist.
  virtual std::string AppDataFolder() = 0;
  // The full path of the running program file.
  virtual std::string ProgramFile() = 0;
};

// The back end chosen at start.
IShell& Shell();
// Replaces it (tests); nullptr returns to the default choice.
void SetShell(std::unique_ptr<IShell> shell);

}  // namespace tolvex::platform

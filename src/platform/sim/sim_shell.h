// Simulated shell: records every "open" and starts nothing. Programs,
// libraries and icon files show their own icons (read by the portable icon
// parser); every other existing file or folder shows a fixed image, so no
// look-up in the desktop's icon themes or type database ever runs. Folders
// are those of the real user, which tests set themselves.
#pragma once

#include "platform/shell.h"

namespace tolvex::platform::sim {

class SimShell : public IShell {
 public:
  bool Open(const std::string& target, const std::string& parameters, const std::string& workingDir,
            int showCommand) override;
  int IconCount(const std::string& file) override;
  IconImage ExtractIcon(const std::string& file, int index, int size,
                        double devicePixelRatio = 1.0) override;
  std::string AppDataFolder() override;
  std::string ProgramFile() override;
  std::string UserDataFolder() override;
  std::string DisplayName(const std::string& file) override;
};

}  // namespace tolvex::platform::sim

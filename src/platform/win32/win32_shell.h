// The shell service on Windows: "open" through the shell, icons through the
// portable parser (the shell's type icon for other files), the known folders.
#pragma once

#include "platform/shell.h"

namespace tolvex::platform {

class Win32Shell : public IShell {
 public:
  bool Open(const std::string& target, const std::string& parameters, const std::string& workingDir,
            int showCommand) override;
  int IconCount(const std::string& file) override;
  IconImage ExtractIcon(const std::string& file, int index, int size,
                        double devicePixelRatio = 1.0) override;
  std::string AppDataFolder() override;
  std::string ProgramFile() override;
};

}  // namespace tolvex::platform

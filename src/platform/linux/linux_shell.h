// Shell service on Linux. Its operations live in files named for what they
// do: opening targets, icons, folders.
#pragma once

#include "platform/shell.h"

namespace tolvex::platform {

class LinuxShell : public IShell {
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

}  // namespace tolvex::platform

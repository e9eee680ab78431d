// Folders of the Linux shell.
#include "platform/linux/linux_shell.h"
#include "platform/linux/user_folders.h"

namespace tolvex::platform {

std::string LinuxShell::AppDataFolder() {
  return ConfigFolder();
}

std::string LinuxShell::UserDataFolder() {
  return DataFolder();
}

std::string LinuxShell::ProgramFile() {
  return RunningProgramFile();
}

}  // namespace tolvex::platform

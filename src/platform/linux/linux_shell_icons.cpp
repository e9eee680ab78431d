// Icons of files on Linux (not yet extracted: every file reports none).
#include "platform/linux/linux_shell.h"

namespace tolvex::platform {

int LinuxShell::IconCount(const std::string&) {
  return 0;
}

IconImage LinuxShell::ExtractIcon(const std::string&, int, int) {
  return {};
}

}  // namespace tolvex::platform

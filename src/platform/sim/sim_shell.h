// Simulated shell: records every "open" and starts nothing; icons and
// folders are those of the real files, which tests create themselves.
#pragma once

#include "platform/linux/linux_shell.h"

namespace tolvex::platform::sim {

class SimShell : public LinuxShell {
 public:
  bool Open(const std::string& target, const std::string& parameters, const std::string& workingDir,
            int showCommand) override;
};

}  // namespace tolvex::platform::sim

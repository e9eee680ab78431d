// Simulated shell.
#include "platform/sim/sim_shell.h"

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

bool SimShell::Open(const std::string& target, const std::string& parameters,
                    const std::string& workingDir, int showCommand) {
  Log("shell", "open", {target, parameters, workingDir, std::to_string(showCommand)});
  return true;
}

}  // namespace tolvex::platform::sim

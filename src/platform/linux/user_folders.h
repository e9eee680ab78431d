// The folders of the running program and its user on Linux, shared by the
// Linux shell and the simulated one.
#pragma once

#include <string>

namespace tolvex::platform {

// $XDG_CONFIG_HOME, or ~/.config when that is unset or empty (no trailing "/").
std::string ConfigFolder();
// The full path of the running program file.
std::string RunningProgramFile();

}  // namespace tolvex::platform

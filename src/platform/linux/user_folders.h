// The folders of the running program and its user on Linux, shared by the
// Linux shell and the simulated one.
#pragma once

#include <string>

namespace tolvex::platform {

// $XDG_CONFIG_HOME, or ~/.config when that is unset, empty or not an
// absolute path (no trailing "/"). A missing one is created readable by the
// user alone, as the XDG base directory rules ask.
std::string ConfigFolder();
// $XDG_DATA_HOME, or ~/.local/share likewise; never created here.
std::string DataFolder();
// The full path of the running program file.
std::string RunningProgramFile();

}  // namespace tolvex::platform

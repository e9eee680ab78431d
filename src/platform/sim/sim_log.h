// The simulated back end's record of every call it takes. When TOLVEX_SIM_LOG
// names a file, each call is appended there as one line: the service, the
// operation and its arguments, tab-separated. Tests of the real binary read
// that file to see what the bar asked of the system.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tolvex::platform::sim {

void Log(std::string_view service, std::string_view operation,
         std::initializer_list<std::string_view> arguments = {});

}  // namespace tolvex::platform::sim

// Choice of the platform back end: the native one, or the simulated one when
// TOLVEX_PLATFORM=sim. The choice is made once per process and service.
//
// With TOLVEX_PLATFORM=sim, TOLVEX_SIM_NATIVE may list services (comma
// separated, e.g. "toolbar,desktop") that keep their native back end, so an
// end-to-end test can dock a real bar on a private X display while launching,
// powering off or dialling stay simulated.
#pragma once

#include <string_view>

namespace tolvex::platform {

// True when the simulated back end serves the whole platform layer.
bool IsSimulated();

// True when the simulated back end serves `service`.
bool IsSimulated(std::string_view service);

// Ends the program with a message: `service` is to be simulated, but this
// build has no simulated back end for it.
[[noreturn]] void RefuseSimulation(const char* service);

}  // namespace tolvex::platform

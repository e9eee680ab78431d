// Simulated time service.
#include "platform/sim/sim_time.h"

#include <cstdio>

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

bool SimTime::SetLocalTime(const LocalTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", time.year, time.month,
                time.day, time.hour, time.minute, time.second, time.msec);
  Log("time", "set", {text});
  lastSet_ = time;
  return accepts_;
}

}  // namespace tolvex::platform::sim

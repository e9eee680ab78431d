// The time service on Windows: the time zone's bias and the local clock.
#pragma once

#include "platform/time.h"

namespace tolvex::platform {

class Win32Time : public ITime {
 public:
  int BiasMinutes() override;
  bool SetLocalTime(const LocalTime& time) override;
};

}  // namespace tolvex::platform

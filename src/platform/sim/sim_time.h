// Simulated time service: a fixed bias that tests set, and a clock that is
// never set: each request is recorded (and logged) instead.
#pragma once

#include <optional>

#include "platform/time.h"

namespace tolvex::platform::sim {

class SimTime : public ITime {
 public:
  int BiasMinutes() override { return bias_; }
  // Logs "time", "set" and the moment as "yyyy-mm-dd hh:nn:ss.zzz".
  bool SetLocalTime(const LocalTime& time) override;

  void SetBiasMinutes(int bias) { bias_ = bias; }
  // What SetLocalTime answers.
  void SetAccepts(bool accepts) { accepts_ = accepts; }
  // The moment of the last SetLocalTime, if any.
  const std::optional<LocalTime>& LastSet() const { return lastSet_; }

 private:
  // UTC, so what is set is the moment the server sent.
  int bias_ = 0;
  bool accepts_ = true;
  std::optional<LocalTime> lastSet_;
};

}  // namespace tolvex::platform::sim

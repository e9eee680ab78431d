// Simulated regional settings: German until a test sets others.
#pragma once

#include "platform/regional_settings.h"

namespace tolvex::platform::sim {

class SimRegionalSettings : public IRegionalSettings {
 public:
  SimRegionalSettings() : format_(GermanRegionalFormat()) {}
  explicit SimRegionalSettings(RegionalFormat format) : format_(std::move(format)) {}

  const RegionalFormat& Format() override { return format_; }
  void SetFormat(RegionalFormat format) { format_ = std::move(format); }

 private:
  RegionalFormat format_;
};

}  // namespace tolvex::platform::sim

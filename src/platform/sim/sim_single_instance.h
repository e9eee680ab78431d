// Simulated single-instance service: the instances of one process stand for
// separate starts; the first to claim is the first instance.
#pragma once

#include "platform/single_instance.h"

namespace tolvex::platform::sim {

class SimSingleInstance : public ISingleInstance {
 public:
  ~SimSingleInstance() override;
  bool Claim() override;
  bool ActivateFirst() override;
};

}  // namespace tolvex::platform::sim

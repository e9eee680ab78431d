// Simulated single-instance service.
#include "platform/sim/sim_single_instance.h"

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

namespace {
SimSingleInstance* first = nullptr;
}  // namespace

SimSingleInstance::~SimSingleInstance() {
  if (first == this) first = nullptr;
}

bool SimSingleInstance::Claim() {
  if (first == nullptr) first = this;
  const bool claimed = first == this;
  Log("single_instance", "claim", {claimed ? "first" : "second"});
  return claimed;
}

bool SimSingleInstance::ActivateFirst() {
  Log("single_instance", "activate");
  if (first == nullptr || first == this) return false;
  first->DeliverActivation();
  return true;
}

}  // namespace tolvex::platform::sim

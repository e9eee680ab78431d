// Slot of the single-instance service and the hand-over of activation
// requests to the handler.
#include "platform/single_instance.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISingleInstance>& Slot() {
  static ServiceSlot<ISingleInstance> slot("single_instance", NativeSingleInstance, SimulatedSingleInstance);
  return slot;
}

}  // namespace

void ISingleInstance::SetActivationHandler(std::function<void()> handler) {
  handler_ = std::move(handler);
  if (handler_ && pending_) {
    pending_ = false;
    handler_();
  }
}

void ISingleInstance::DeliverActivation() {
  if (handler_) {
    handler_();
  } else {
    pending_ = true;
  }
}

ISingleInstance& SingleInstance() {
  return Slot().Get();
}
void SetSingleInstance(std::unique_ptr<ISingleInstance> instance) {
  Slot().Set(std::move(instance));
}

}  // namespace tolvex::platform

// The slot through which one platform service is reached. Each service header
// declares an accessor (e.g. `Shell()`) backed by one slot; the slot creates
// the native or the simulated back end on first use. Tests may put their own
// implementation in the slot.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace tolvex::platform {

template <class Interface>
class ServiceSlot {
 public:
  using Factory = std::unique_ptr<Interface> (*)();

  // `name` is the service's name in TOLVEX_SIM_NATIVE.
  ServiceSlot(const char* name, Factory native, Factory simulated)
      : name_(name), native_(native), simulated_(simulated) {}

  Interface& Get() {
    if (!instance_) {
      if (!IsSimulated(name_)) {
        instance_ = native_();
      } else if (!(instance_ = simulated_())) {
        RefuseSimulation(name_);
      }
    }
    return *instance_;
  }

  // Replaces the back end (tests); nullptr returns to the default choice.
  void Set(std::unique_ptr<Interface> instance) { instance_ = std::move(instance); }

 private:
  const char* name_;
  Factory native_;
  Factory simulated_;
  std::unique_ptr<Interface> instance_;
};

}  // namespace tolvex::platform

// The single-instance service: one bar per user and display. The first start
// claims the role; a later start asks it to activate itself and ends.
#pragma once

#include <functional>
#include <memory>

namespace tolvex::platform {

class ISingleInstance {
 public:
  virtual ~ISingleInstance() = default;

  // Claims the role of the first instance for this user and display. True
  // when this process holds it (again true on later calls); false when
  // another process holds it. Two simultaneous starts never both get true.
  virtual bool Claim() = 0;
  // Asks the process that holds the role to activate itself; true when the
  // request was delivered.
  virtual bool ActivateFirst() = 0;

  // `handler` runs on the user-interface thread of the first instance each
  // time a later start asks it to activate. A request that came before a
  // handler was set is handed to the handler when it is set.
  void SetActivationHandler(std::function<void()> handler);

 protected:
  // Back ends call this when a request arrives.
  void DeliverActivation();

 private:
  std::function<void()> handler_;
  bool pending_ = false;
};

// The back end chosen at start.
ISingleInstance& SingleInstance();
// Replaces it (tests); nullptr returns to the default choice.
void SetSingleInstance(std::unique_ptr<ISingleInstance> instance);

}  // namespace tolvex::platform

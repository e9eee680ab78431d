// The session watch: how the platform tells a running program that its
// session ends. Two things can happen: the program is asked to end (the user
// logs out, the service manager stops it), and the connection to the display
// is lost, after which no window can be used and the program ends.
#pragma once

#include <functional>
#include <memory>

namespace tolvex::platform {

class ISessionWatch {
 public:
  virtual ~ISessionWatch() = default;

  // `onEnd` runs on the user-interface thread each time the program is asked
  // to end; it should end the program as its own quit command does.
  // `onDisplayLost` runs once when the display connection is lost, just
  // before the process ends; it must not use any window. Empty functions stop
  // the watch (the platform's default handling returns).
  virtual void Watch(std::function<void()> onEnd, std::function<void()> onDisplayLost) = 0;
};

// The back end chosen at start.
ISessionWatch& SessionWatch();
// Replaces it (tests); nullptr returns to the default choice.
void SetSessionWatch(std::unique_ptr<ISessionWatch> watch);

}  // namespace tolvex::platform

// What the bar tells the dial-up panel: the bar's dial-up component reports
// a connection coming up or going down, and the bar passes that on to the
// dial-up panel when one is on the bar.
#pragma once

namespace tolvex {

class TtxRas32;

// Implemented by the dial-up panel.
class IDialUpNotices {
 public:
  virtual ~IDialUpNotices() = default;
  virtual void ConnectedNotice() = 0;
  virtual void DisconnectedNotice() = 0;
};

// The number of the dial-up panel among the built-in snap-ins.
inline constexpr int kDialUpSnapIn = 6;

// Passes `ras`'s OnConnected and OnDisConnected on to the live dial-up panel;
// without one they do nothing.
void ForwardDialUpNotices(TtxRas32& ras);

}  // namespace tolvex

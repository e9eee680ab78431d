// Simulated media player: records every call in the simulation log. Whether
// a player runs is set by the test (`running`), or at start by
// TOLVEX_SIM_MEDIA_PLAYER=1 for tests of the real binary.
#pragma once

#include <string>
#include <vector>

#include "platform/media_player.h"

namespace tolvex::platform::sim {

class SimMediaPlayer : public IMediaPlayer {
 public:
  SimMediaPlayer();

  void PreferProgram(const std::string& program) override;
  bool PlayerExists() override;
  void SendCommand(PlayerCommand command) override;
  void SetVolume(int volume) override;
  void Restore() override;

  bool running = false;

  // The calls that reached a running player, one line each:
  // "operation argument".
  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 private:
  void Record(const char* operation, const std::string& argument = {});

  std::vector<std::string> calls_;
};

}  // namespace tolvex::platform::sim

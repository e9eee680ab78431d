// Simulated media player.
#include "platform/sim/sim_media_player.h"

#include <QtGlobal>
#include <algorithm>
#include <string>

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

namespace {

const char* CommandName(PlayerCommand command) {
  switch (command) {
    case PlayerCommand::Previous:
      return "previous";
    case PlayerCommand::Play:
      return "play";
    case PlayerCommand::Pause:
      return "pause";
    case PlayerCommand::Stop:
      return "stop";
    case PlayerCommand::Next:
      return "next";
  }
  return "?";
}

}  // namespace

SimMediaPlayer::SimMediaPlayer()
    : running(qEnvironmentVariableIntValue("TOLVEX_SIM_MEDIA_PLAYER") == 1) {}

void SimMediaPlayer::PreferProgram(const std::string& program) {
  Log("mediaplayer", "prefer", {program});
}

bool SimMediaPlayer::PlayerExists() {
  return running;
}

void SimMediaPlayer::SendCommand(PlayerCommand command) {
  Record("command", CommandName(command));
}

void SimMediaPlayer::SetVolume(int volume) {
  Record("volume", std::to_string(std::clamp(volume, 0, kMaxPlayerVolume)));
}

void SimMediaPlayer::Restore() {
  Record("restore");
}

void SimMediaPlayer::Record(const char* operation, const std::string& argument) {
  if (!running) return;
  Log("mediaplayer", operation, {argument});
  calls_.push_back(argument.empty() ? std::string(operation)
                                    : std::string(operation) + " " + argument);
}

}  // namespace tolvex::platform::sim

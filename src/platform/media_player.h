// The media-player service: finds the running media player, sends it one of
// the five player commands, sets its volume, brings its window up. Starting
// the player is an "open" of its program file through the shell service.
#pragma once

#include <memory>
#include <string>

namespace tolvex::platform {

enum class PlayerCommand { Previous, Play, Pause, Stop, Next };

// The volume scale of the calls: 0 silent to 255 full.
inline constexpr int kMaxPlayerVolume = 255;

class IMediaPlayer {
 public:
  virtual ~IMediaPlayer() = default;

  // The player the calls go to, when several run: the one started from the
  // program file `program` (full path, UTF-8; may be empty).
  virtual void PreferProgram(const std::string& program) = 0;
  // True when a player is running and can take the calls.
  virtual bool PlayerExists() = 0;
  // Each of these does nothing when no player runs.
  virtual void SendCommand(PlayerCommand command) = 0;
  // `volume` 0 to 255; values outside are clamped.
  virtual void SetVolume(int volume) = 0;
  // Shows the player's window in its normal state and in front.
  virtual void Restore() = 0;
};

// The back end chosen at start.
IMediaPlayer& MediaPlayer();
// Replaces it (tests); nullptr returns to the default choice.
void SetMediaPlayer(std::unique_ptr<IMediaPlayer> player);

}  // namespace tolvex::platform

// Slot of the media-player service.
#include "platform/media_player.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IMediaPlayer>& Slot() {
  static ServiceSlot<IMediaPlayer> slot("mediaplayer", NativeMediaPlayer, SimulatedMediaPlayer);
  return slot;
}

}  // namespace

IMediaPlayer& MediaPlayer() {
  return Slot().Get();
}
void SetMediaPlayer(std::unique_ptr<IMediaPlayer> player) {
  Slot().Set(std::move(player));
}

}  // namespace tolvex::platform

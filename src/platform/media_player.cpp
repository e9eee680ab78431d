// Slot of the media-player service.
#include "platform/media_player.h"

#include "platform/linux/mpris_media_player.h"
#include "platform/service.h"
#include "platform/sim/sim_media_player.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IMediaPlayer>& Slot() {
  static ServiceSlot<IMediaPlayer> slot(
      "mediaplayer",
      [] {
        return std::unique_ptr<IMediaPlayer>(
            std::make_unique<MprisMediaPlayer>(QDBusConnection::sessionBus()));
      },
      [] { return std::unique_ptr<IMediaPlayer>(std::make_unique<sim::SimMediaPlayer>()); });
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

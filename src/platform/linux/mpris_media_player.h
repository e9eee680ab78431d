// The media player over MPRIS2 on the session bus: a player is any bus name
// "org.mpris.MediaPlayer2.*"; among several, the one whose name starts with
// the preferred program's file name (without folder and extension) wins,
// else the first in name order. Each call looks the player up afresh, so a
// player that quits or starts between two calls is noticed. A player that
// cannot raise its window has it brought up by the window manager. Calls
// wait at most a second for a player that hangs.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

#include "platform/media_player.h"

namespace tolvex::platform {

class MprisMediaPlayer : public IMediaPlayer {
 public:
  explicit MprisMediaPlayer(const QDBusConnection& bus);

  void PreferProgram(const std::string& program) override;
  bool PlayerExists() override;
  void SendCommand(PlayerCommand command) override;
  void SetVolume(int volume) override;
  void Restore() override;

 private:
  // The bus name of the player the calls go to, or empty.
  QString FindPlayer() const;
  QDBusMessage Call(const QString& player, const QString& interface, const QString& method,
                    const QVariantList& arguments = {});

  QDBusConnection bus_;
  QString preferred_;
};

}  // namespace tolvex::platform

// The media player over MPRIS2.
#include "platform/linux/mpris_media_player.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFileInfo>
#include <algorithm>

#include "platform/linux/process_window.h"

namespace tolvex::platform {

namespace {

const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kCallTimeout = 1000;

QString MethodOf(PlayerCommand command) {
  switch (command) {
    case PlayerCommand::Previous:
      return QStringLiteral("Previous");
    case PlayerCommand::Play:
      return QStringLiteral("Play");
    case PlayerCommand::Pause:
      return QStringLiteral("Pause");
    case PlayerCommand::Stop:
      return QStringLiteral("Stop");
    case PlayerCommand::Next:
      return QStringLiteral("Next");
  }
  return {};
}

}  // namespace

MprisMediaPlayer::MprisMediaPlayer(const QDBusConnection& bus) : bus_(bus) {}

void MprisMediaPlayer::PreferProgram(const std::string& program) {
  preferred_ = QFileInfo(QString::fromStdString(program)).completeBaseName().toLower();
}

bool MprisMediaPlayer::PlayerExists() {
  return !FindPlayer().isEmpty();
}

void MprisMediaPlayer::SendCommand(PlayerCommand command) {
  const QString player = FindPlayer();
  if (!player.isEmpty()) Call(player, kPlayer, MethodOf(command));
}

void MprisMediaPlayer::SetVolume(int volume) {
  const QString player = FindPlayer();
  if (player.isEmpty()) return;
  const double level = double(std::clamp(volume, 0, kMaxPlayerVolume)) / kMaxPlayerVolume;
  Call(player, kProperties, QStringLiteral("Set"),
       {kPlayer, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(level))});
}

void MprisMediaPlayer::Restore() {
  const QString player = FindPlayer();
  if (player.isEmpty()) return;
  const QDBusReply<QDBusVariant> canRaise =
      Call(player, kProperties, QStringLiteral("Get"), {kRoot, QStringLiteral("CanRaise")});
  if (canRaise.isValid() && canRaise.value().variant().toBool()) {
    Call(player, kRoot, QStringLiteral("Raise"));
    return;
  }
  // A player that cannot raise itself gets its window brought up by the
  // window manager.
  const QDBusReply<uint> pid = bus_.interface()->servicePid(player);
  if (pid.isValid()) ActivateProcessWindow(pid.value());
}

QString MprisMediaPlayer::FindPlayer() const {
  if (!bus_.isConnected() || bus_.interface() == nullptr) return {};
  const QDBusReply<QStringList> reply = bus_.interface()->registeredServiceNames();
  if (!reply.isValid()) return {};
  QStringList players;
  for (const QString& name : reply.value())
    if (name.startsWith(kPrefix)) players.append(name);
  if (players.isEmpty()) return {};
  players.sort();
  if (!preferred_.isEmpty()) {
    for (const QString& player : players) {
      const QString own = player.mid(kPrefix.size()).section(QLatin1Char('.'), 0, 0).toLower();
      if (own == preferred_) return player;
    }
  }
  return players.front();
}

QDBusMessage MprisMediaPlayer::Call(const QString& player, const QString& interface,
                                    const QString& method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(player, kPath, interface, method);
  call.setArguments(arguments);
  return bus_.call(call, QDBus::Block, kCallTimeout);
}

}  // namespace tolvex::platform

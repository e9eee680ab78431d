// The MPRIS back end against a real player: mpv with its MPRIS plug-in, run
// headless (no audio, no video) on a private session bus and playing silent
// WAV files written by the test. Skipped when the player or its plug-in is
// not installed.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include "platform/linux/mpris_media_player.h"
#include "support/private_bus.h"
#include "support/wait_until.h"

namespace tolvex::platform {
namespace {

using test::PrivateBus;
using test::WaitUntil;

const QString kPlugin = QStringLiteral("/usr/lib/mpv-mpris/mpris.so");

// A silent 8-bit mono WAV file of `seconds` at 8000 Hz.
bool WriteSilentWave(const QString& path, int seconds) {
  constexpr quint32 kRate = 8000;
  const quint32 samples = kRate * quint32(seconds);
  QByteArray data;
  const auto add32 = [&data](quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
  };
  const auto add16 = [&data](quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    data.append(bytes, 2);
  };
  data.append("RIFF");
  add32(36 + samples);
  data.append("WAVEfmt ");
  add32(16);
  add16(1);  // PCM
  add16(1);  // mono
  add32(kRate);
  add32(kRate);  // bytes per second
  add16(1);      // block align
  add16(8);      // bits per sample
  data.append("data");
  add32(samples);
  data.append(QByteArray(int(samples), char(0x80)));
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

class MprisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mpv = QStandardPaths::findExecutable("mpv");
    if (mpv.isEmpty() || !QFileInfo::exists(kPlugin))
      GTEST_SKIP() << "mpv and its MPRIS plug-in (Debian: mpv mpv-mpris) are not installed";
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
      GTEST_SKIP() << "dbus-daemon is not installed";
    ASSERT_TRUE(bus.IsRunning());
    for (const char* name : {"first.wav", "second.wav"})
      ASSERT_TRUE(WriteSilentWave(dir.filePath(name), 30));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus.Address());
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    player.setProcessEnvironment(env);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.setStandardOutputFile(QProcess::nullDevice());
    player.start(mpv, {"--no-config", "--idle=yes", "--pause", "--ao=null", "--vo=null",
                       "--no-terminal", "--volume-max=100", "--script=" + kPlugin,
                       dir.filePath("first.wav"), dir.filePath("second.wav")});
    ASSERT_TRUE(player.waitForStarted(5000));
    service = std::make_unique<MprisMediaPlayer>(bus.Connection());
    service->PreferProgram(mpv.toStdString());
    ASSERT_TRUE(WaitUntil([this] { return service->PlayerExists(); }))
        << "the player did not come onto the bus";
  }
  void TearDown() override {
    service.reset();
    if (player.state() != QProcess::NotRunning) {
      player.terminate();
      if (!player.waitForFinished(3000)) player.kill();
      player.waitForFinished(1000);
    }
  }

  QVariant Property(const QString& name) {
    QDBusMessage get =
        QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.mpv", "/org/mpris/MediaPlayer2",
                                       "org.freedesktop.DBus.Properties", "Get");
    get.setArguments({"org.mpris.MediaPlayer2.Player", name});
    const QDBusReply<QDBusVariant> reply = bus.Connection().call(get);
    return reply.isValid() ? reply.value().variant() : QVariant();
  }

  QString Track() {
    const QDBusArgument argument = Property("Metadata").value<QDBusArgument>();
    QVariantMap metadata;
    argument >> metadata;
    return metadata.value("xesam:url").toString() + metadata.value("xesam:title").toString();
  }

  PrivateBus bus;
  QTemporaryDir dir;
  QString mpv;
  QProcess player;
  std::unique_ptr<MprisMediaPlayer> service;
};

TEST_F(MprisTest, PlayNextAndFullVolumeReachThePlayer) {
  service->SendCommand(PlayerCommand::Play);
  EXPECT_TRUE(WaitUntil([this] { return Property("PlaybackStatus").toString() == "Playing"; }));
  EXPECT_TRUE(WaitUntil([this] { return Track().contains("first"); })) << Track().toStdString();

  service->SendCommand(PlayerCommand::Next);
  EXPECT_TRUE(WaitUntil([this] { return Track().contains("second"); })) << Track().toStdString();

  service->SetVolume(255);
  EXPECT_TRUE(WaitUntil([this] { return Property("Volume").toDouble() == 1.0; }))
      << Property("Volume").toDouble();
  service->SetVolume(51);
  EXPECT_TRUE(WaitUntil([this] { return qAbs(Property("Volume").toDouble() - 0.2) < 0.01; }))
      << Property("Volume").toDouble();

  // Without a window to bring up, restoring changes nothing.
  service->Restore();
  EXPECT_EQ(Property("PlaybackStatus").toString(), "Playing");

  service->SendCommand(PlayerCommand::Pause);
  EXPECT_TRUE(WaitUntil([this] { return Property("PlaybackStatus").toString() == "Paused"; }));
  service->SendCommand(PlayerCommand::Stop);
  EXPECT_TRUE(WaitUntil([this] { return Property("PlaybackStatus").toString() == "Stopped"; }));
}

TEST_F(MprisTest, APlayerThatQuitIsNoLongerFound) {
  player.terminate();
  player.waitForFinished(5000);
  EXPECT_TRUE(WaitUntil([this] { return !service->PlayerExists(); }));
  // Calls without a player do nothing and return at once.
  service->SendCommand(PlayerCommand::Play);
  service->SetVolume(100);
  service->Restore();
}

}  // namespace
}  // namespace tolvex::platform

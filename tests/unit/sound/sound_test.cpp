// The sound service: the simulated back end records what it was asked to
// play; the Linux back end returns at once when no sound can be played.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/linux/linux_sound.h"
#include "platform/sim/sim_sound.h"

namespace tolvex::platform {
namespace {

TEST(Sound, TheSimulatedBackEndRecordsTheFileInTheSimulationLog) {
  QTemporaryDir dir;
  const QString log = dir.filePath("sim.log");
  setenv("TOLVEX_SIM_LOG", log.toUtf8().constData(), 1);
  sim::SimSound().PlayWaveFile("/home/anna/Klänge/gong.wav");
  unsetenv("TOLVEX_SIM_LOG");
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("sound\tplay\t/home/anna/Klänge/gong.wav\n"));
}

// No sound driver that can be loaded stands for a machine without an audio
// device, and keeps the test from playing anything on the machine it runs on.
TEST(Sound, WithoutAnAudioDeviceTheLinuxBackEndReturnsAtOnce) {
  setenv("CANBERRA_DRIVER", "kein-treiber", 1);
  QTemporaryDir dir;
  // A valid, silent WAV file of one sample.
  const QByteArray wav = QByteArray::fromHex(
      "524946462500000057415645666d74201000000001000100401f0000401f000001000800"
      "646174610100000080");
  const QString path = dir.filePath("stille.wav");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(wav);
  file.close();
  LinuxSound sound;
  sound.PlayWaveFile(path.toStdString());
  sound.PlayWaveFile(dir.filePath("fehlt.wav").toStdString());
  unsetenv("CANBERRA_DRIVER");
  SUCCEED();
}

}  // namespace
}  // namespace tolvex::platform

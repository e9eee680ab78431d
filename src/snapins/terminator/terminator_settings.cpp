// Reading and writing the shutdown panel's settings.
#include "snapins/terminator/terminator_settings.h"

#include "app/ini_file.h"

namespace tolvex {

namespace {

QString ModeKey(int number) {
  return QStringLiteral("Button%1").arg(number);
}
const QString kLightsOut = QStringLiteral("LightsOut");

}  // namespace

TButtonMode ReadButtonMode(const TtxIniFile& config, int number) {
  const int mode = config.ReadInteger(kTerminatorSection, ModeKey(number), bmRunWithoutAsking);
  switch (mode) {
    case bmRunWithoutAsking:
    case bmAskFirst:
    case bmLocked:
      return static_cast<TButtonMode>(mode);
    default:
      return bmAskFirst;
  }
}

bool ReadLightsOut(const TtxIniFile& config) {
  return config.ReadBool(kTerminatorSection, kLightsOut, false);
}

TTerminatorSettings ReadTerminatorSettings(const TtxIniFile& config) {
  TTerminatorSettings settings;
  for (int i = 0; i < kTerminatorActionCount; ++i)
    settings.modes[i] = ReadButtonMode(config, i + 1);
  settings.lightsOut = ReadLightsOut(config);
  return settings;
}

void WriteTerminatorSettings(TtxIniFile& config, const TTerminatorSettings& settings) {
  TtxIniBatch batch(config);
  for (int i = 0; i < kTerminatorActionCount; ++i) {
    config.WriteInteger(kTerminatorSection, ModeKey(i + 1), settings.modes[i]);
  }
  config.WriteBool(kTerminatorSection, kLightsOut, settings.lightsOut);
  batch.Commit();
}

}  // namespace tolvex

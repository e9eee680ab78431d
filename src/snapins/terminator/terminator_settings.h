// The shutdown panel's settings in the section "TolvexTerminator" of the
// main configuration file: the mode of each of the five actions ("Button1"
// to "Button5") and "LightsOut". They are read at the moment they are needed,
// so a changed file takes effect at once.
#pragma once

#include <QString>
#include <array>

namespace tolvex {

class TtxIniFile;

inline const QString kTerminatorSection = QStringLiteral("TolvexTerminator");
inline constexpr int kTerminatorActionCount = 5;

enum TButtonMode : int {
  bmRunWithoutAsking = 0,
  bmAskFirst = 1,
  bmLocked = 2,
};

// The mode of action `number` (1 to 5), default 0. A stored value other than
// 0, 1 and 2 asks first: the action stays usable, and nothing that ends the
// session happens without the user's consent.
TButtonMode ReadButtonMode(const TtxIniFile& config, int number);
bool ReadLightsOut(const TtxIniFile& config);

struct TTerminatorSettings {
  std::array<TButtonMode, kTerminatorActionCount> modes{};
  bool lightsOut = false;
};

TTerminatorSettings ReadTerminatorSettings(const TtxIniFile& config);
// Writes all six keys in one atomic write of the file.
void WriteTerminatorSettings(TtxIniFile& config, const TTerminatorSettings& settings);

}  // namespace tolvex

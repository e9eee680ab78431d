// The bar's project information piTolvexBar: "tolvexBar" 2.0, build 0, a
// final release, with the second about-box style, its logo and its icon.
#pragma once

class QObject;

namespace tolvex {

// The bar's version, also answered by "--version".
inline constexpr int kTolvexBarVersionMajor = 2;
inline constexpr int kTolvexBarVersionMinor = 0;
inline constexpr int kTolvexBarVersionBuild = 0;

class TTxProjectInfo;

// Creates the bar's instance, owned by `owner` (the bar window), loaded:
// the message dialogs are captioned "tolvexBar" from then on.
TTxProjectInfo* CreateTolvexBarInfo(QObject* owner);

}  // namespace tolvex

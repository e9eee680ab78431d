// Preparing the configuration at start-up: the one-time take-over of a
// legacy layout, the per-user switch, the two file accessors and the seeding
// of the per-user folder from the seed folder.
#pragma once

#include <memory>

#include "app/ini_file.h"

namespace tolvex {

// The two accessors the bar window owns for its whole life.
struct TConfigFiles {
  std::unique_ptr<TtxIniFile> ConfigFile;  // program name + ".ini"
  std::unique_ptr<TtxIniFile> LayoutFile;  // program name + ".dat"
};

// Takes over "desktop/_default.txl" when no layout file is beside the
// program, reads "Userspecific" from the program folder's ".ini" (default
// true), creates the accessors and, when the switch is on, copies the
// seed folder's ".ini", ".dat" and notes to the per-user folder where
// they are missing there. Copies never overwrite; failures are ignored. A
// layout seeded now gets the desktop's default applications as launchers.
TConfigFiles PrepareConfiguration();

}  // namespace tolvex

// The notes snap-in's keys in section "Defaults" of the configuration file:
// the look and toolbar of new notes, what ticking off a task does, and the
// task list's sort order, preview height and window rectangle.
#pragma once

#include <QString>

#include "snapins/notes/note_data.h"

namespace tolvex {

class TtxIniFile;

inline constexpr char kDefaultsSection[] = "Defaults";

// What ticking off a task in the task list does.
enum TCheckTaskAction : int { ctNothing = 0, ctDeleteAsking = 1, ctDeleteSilently = 2 };

struct TNewNoteDefaults {
  // New notes start with a black font, not the system's text colour.
  TNoteLook look = BlackFont();
  bool showToolbar = true;

  static TNoteLook BlackFont() {
    TNoteLook look;
    look.fontColor = 0;
    return look;
  }
  bool operator==(const TNewNoteDefaults&) const = default;
};

TNewNoteDefaults ReadNewNoteDefaults(const TtxIniFile& config);
// One write of the file.
void WriteNewNoteDefaults(TtxIniFile& config, const TNewNoteDefaults& defaults);

int ReadCheckTaskAction(const TtxIniFile& config);
void WriteCheckTaskAction(TtxIniFile& config, int action);

}  // namespace tolvex

// What one note holds, as its file stores it: title, window, look, task
// attributes, alarm and text. A default-constructed value is a fresh note.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "shared/colors.h"
#include "shared/date_time.h"
#include "shared/flags.h"

namespace tolvex {

// Pale yellow: red 255, green 255, blue 225.
inline constexpr TColor kNoteColor = 14811135;
inline constexpr int kNoteWidth = 208;
inline constexpr int kNoteHeight = 160;

// Font and background of the text area. The colours stay in their stored
// form, so that a system colour keeps following the palette.
struct TNoteLook {
  QString fontName = QStringLiteral("MS Sans Serif");
  int fontSize = 8;
  TFlagSet fontStyle;  // 0 bold, 1 italic, 2 underline, 3 strike-out
  TColor fontColor = clWindowText;
  TColor color = kNoteColor;
  bool operator==(const TNoteLook&) const = default;
};

enum TNotePriority : int { npNormal = 0, npHigh = 1, npLow = 2 };

struct TNoteTask {
  bool task = false;
  bool done = false;
  int priority = npNormal;
  bool operator==(const TNoteTask&) const = default;
};

enum TAlarmType : int { atToFront = 0, atQuestion = 1, atSound = 2 };
enum TAlarmSchedule : int { asOnce = 0, asRepeated = 1 };

struct TNoteAlarm {
  bool on = false;
  // Day and time; 0 is no moment. A date of 0 leaves only the time of day.
  TDateTime moment = 0;
  int type = atToFront;
  QString sound;
  int schedule = asOnce;
  TWeekdaySet days;  // 0 Monday … 6 Sunday
  bool operator==(const TNoteAlarm&) const = default;
};

struct TNoteData {
  QString title = QStringLiteral("Notiz");
  // None: the window system places the note.
  std::optional<int> left;
  std::optional<int> top;
  int width = kNoteWidth;
  int height = kNoteHeight;
  bool stayOnTop = false;
  bool visible = true;
  bool toolbar = true;
  TNoteLook look;
  TNoteTask task;
  TNoteAlarm alarm;
  QStringList text;
  bool operator==(const TNoteData&) const = default;
};

}  // namespace tolvex

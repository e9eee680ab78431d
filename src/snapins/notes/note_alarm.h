// The alarm check of one note, run once a second by the notes panel.
#pragma once

#include "snapins/notes/note_data.h"

namespace tolvex {

// What the check remembers of one note between two checks.
struct TAlarmState {
  // The moment the alarm last fired for; it fires once per moment.
  TDateTime fired = 0;
};

// One check at `now` (`previousCheck` the moment of the check before, 0 for
// none). A repeated alarm first moves on to the first day from today whose
// weekday is set (today when no day is set), keeping its time of day. The
// alarm fires when it is on and its moment lies in the second from the
// moment on (both ends included), or between the previous check and now (a
// second that no check fell into: a busy system, a long sound), and it has
// not fired for this moment yet.
bool CheckAlarm(TNoteAlarm& alarm, TAlarmState& state, TDateTime now, TDateTime previousCheck);

}  // namespace tolvex

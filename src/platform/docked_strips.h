// Where a bar may stand beside the strips that docked windows already hold.
// Shared by every back end of the desktop-toolbar shell, so that all of them
// place bars by the same rules:
// - on the bar's own edge, the docks of other programs and the bars that
//   registered earlier keep the outer places;
// - top and bottom bars own the corners: a left or right bar starts below
//   every top strip and ends above every bottom strip it runs into;
// - a top or bottom bar gives way only to side strips of other programs,
//   which never move; the shell's own side bars make room for it instead.
#pragma once

#include <vector>

#include "platform/geometry.h"

namespace tolvex::platform {

// Who holds a strip, seen from the bar being placed.
enum class StripHolder {
  OtherProgram,  // a dock that takes no part in the shell's placement
  EarlierBar,    // a bar of the shell registered before the one placed
  LaterBar,      // a bar of the shell registered after it
};

struct DockedStrip {
  int edge = 0;  // 0 left, 1 top, 2 right, 3 bottom
  Rect rect;     // the part of the screen it holds
  StripHolder holder = StripHolder::OtherProgram;
};

// Takes the strip away from `rect` on the strip's side of the screen, as a
// window manager does to find the work area.
void TakeAway(Rect& rect, const DockedStrip& strip);

// Shrinks `rect`, proposed for a bar at `edge`, until it leaves every strip
// it must give way to. Strips beside the bar on the same or the opposite
// edge come first, so that the corners are judged for the narrowed rectangle.
void FitBesideStrips(int edge, Rect& rect, const std::vector<DockedStrip>& strips);

}  // namespace tolvex::platform

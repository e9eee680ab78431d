// The single-instance rule of the bar: one bar per user and display.
#pragma once

namespace tolvex {

// True when no other bar runs. Otherwise asks the running bar to activate
// itself and ends this process at once with status 0, reading and writing no
// file.
bool IsFirstInstance();

}  // namespace tolvex

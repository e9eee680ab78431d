// Makes the clock panel built-in snap-in 3 of the bar.
#pragma once

namespace tolvex {

// Registers the clock panel's factory; the program calls it at start.
void RegisterClockPanel();

}  // namespace tolvex

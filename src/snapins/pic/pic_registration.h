// Makes the picture panel built-in snap-in 7 of the bar.
#pragma once

namespace tolvex {

// Registers the picture panel's factory; the program calls it at start.
void RegisterPicPanel();

}  // namespace tolvex

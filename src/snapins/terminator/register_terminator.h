// Registers the shutdown panel as built-in snap-in 5.
#pragma once

namespace tolvex {

void RegisterTerminatorPanel();

}  // namespace tolvex

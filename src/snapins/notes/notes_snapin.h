// The notes snap-in's entry for the program: registers the notes panel as
// built-in snap-in 4.
#pragma once

namespace tolvex {

// Called once by the program at start, before the bar is built.
void RegisterNotesSnapIn();

}  // namespace tolvex

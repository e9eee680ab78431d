// Makes the element management dialogs available to the bar.
#pragma once

namespace tolvex {

// Registers the settings dialog's factory; called once at start, before the
// bar window is created.
void RegisterElementDialogs();

}  // namespace tolvex

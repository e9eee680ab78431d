// The desktop's own settings for the computer's date and time, started for
// the user who wants to change them.
#pragma once

namespace tolvex::platform {

// Starts the first settings tool of the common desktops that is installed,
// through the shell's "open" in a normal window, without waiting for it.
// False when none is installed or the shell could not start it; the caller
// reports nothing either way.
bool StartDateTimeSettings();

}  // namespace tolvex::platform

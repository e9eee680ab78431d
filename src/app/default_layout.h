// A new user's first layout: the shipped layout file, seeded like the other
// first-start files, gets launchers for the desktop's terminal, file manager
// and web browser in front of its panels.
#pragma once

#include <QString>

namespace tolvex {

// Puts a launcher for each default application the desktop names and has
// installed at the top of the layout file `fileName`; what is missing is
// passed over with a line on standard error. Raises the write error when
// the file cannot be written (it then stays as it was).
void AddDesktopLaunchers(const QString& fileName);

}  // namespace tolvex

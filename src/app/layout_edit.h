// Element operations on the layout file that both the bar's context menu and
// the settings dialog perform: load the element list from the file, change
// it, save it in one atomic write.
#pragma once

#include <QString>

namespace tolvex {

// Deletes element `index` (0-based) of the layout file `fileName`. Raises
// the list's error for an index outside the list and the write error when
// the file cannot be written; the file then stays as it was.
void DeleteLayoutElement(const QString& fileName, int index);

}  // namespace tolvex

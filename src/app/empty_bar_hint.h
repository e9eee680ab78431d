// The hint an empty bar shows where its elements would be: how to get the
// first launcher onto it.
#pragma once

class QWidget;

namespace tolvex {

// Shows the hint on `bar` at `y` when `empty`, else hides it. The hint does
// not count as content: a floating empty bar keeps the height of its header
// and shows it only when made taller, a docked one shows it below the header.
void ShowEmptyBarHint(QWidget& bar, bool empty, int y);

}  // namespace tolvex

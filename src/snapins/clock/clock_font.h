// The font the clock's windows were laid out for: "MS Sans Serif" at a
// pixel height, with look-alikes where it is missing.
#pragma once

#include <QFont>

namespace tolvex {

QFont ClockFont(const QFont& base, int pixelSize);

}  // namespace tolvex

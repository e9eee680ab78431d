// Colours as the system's files store them: a signed 32-bit value, 0x00BBGGRR
// for a plain colour, a negative value (0x80000000 plus an index) for one of
// the platform's system colours, which follow the current palette.
#pragma once

#include <QColor>

namespace tolvex {

using TColor = int;

// The system colours the stored files use.
inline constexpr TColor clWindow = TColor(0x80000005u);
inline constexpr TColor clWindowText = TColor(0x80000008u);
inline constexpr TColor clBtnFace = TColor(0x8000000Fu);

// The colour `color` shows now; a system colour unknown here shows as the
// palette's window text.
QColor ColorToQColor(TColor color);
// The plain colour of `color` (opaque).
TColor ColorFromQColor(const QColor& color);

}  // namespace tolvex

// Small text helpers: integers with a default, fitting a text to a length,
// booleans as digits.
#pragma once

#include <QString>

namespace tolvex {

// The integer of `text` without surrounding spaces: an optional sign and
// decimal digits, or a hexadecimal number after "$", "x" or "0x" (up to
// 8 digits; FFFFFFFF is -1). `fallback` when the text is none of these.
int IntOfText(const QString& text, int fallback);

// `text` cut to its first `length` characters, or filled up on the right
// with `fill` to that length.
QString FitToLength(const QString& text, int length, QChar fill);

// "1" for true, "0" for false.
QString BoolToDigit(bool value);

}  // namespace tolvex

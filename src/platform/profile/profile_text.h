// Text rules of private-profile files: what counts as a blank, how names are
// compared (without regard to case) and how the bytes of a file become text
// (UTF-8 when valid, else Windows-1252; UTF-16 with a byte-order mark).
#pragma once

#include <string>
#include <string_view>

namespace tolvex::platform::profile {

// Blanks around names and values: space, tab, vertical tab, form feed and the
// old end-of-file mark 0x1A.
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// `text` with every letter in lower case, for comparing names: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters fold; anything else (invalid
// bytes included) stays as it is.
std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

bool IsValidUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8 (the five unassigned bytes map to U+0081 …).
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-16 bytes (little or big endian, without byte-order mark) as UTF-8;
// unpaired surrogates and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
// UTF-8 text as UTF-16 bytes without byte-order mark; invalid bytes become
// U+FFFD.
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);

}  // namespace tolvex::platform::profile

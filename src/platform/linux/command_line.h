// Splitting a command line into arguments, by the rules programs on the
// desktop platform this bar comes from apply to their own command line, so
// that the parameters stored with a launcher mean the same on every system:
// - blanks and tabs outside double quotes separate arguments;
// - a double quote starts or ends a quoted part; inside one, two double
//   quotes in a row give one literal double quote;
// - 2n backslashes before a double quote give n backslashes, 2n+1 give n
//   and a literal double quote; backslashes elsewhere are literal (paths).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvex::platform {

std::vector<std::string> SplitCommandLine(std::string_view line);

}  // namespace tolvex::platform

// Reading an open file to its end with a bound, for both systems' file
// readers.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/profile/profile_file.h"

namespace tolvex::platform::profile {

// Reads through `read` (at most `count` bytes into `into`: how many it read,
// 0 at the end, -1 on an error) into `bytes`. `expected` is the file's size
// when it was opened; a file that has grown since is read on to its end.
// More than `limit` bytes are TooLarge, an error Failed; `bytes` is then
// empty.
ReadResult ReadToEnd(const std::function<std::ptrdiff_t(char* into, std::size_t count)>& read,
                     std::size_t expected, std::size_t limit, std::string& bytes);

}  // namespace tolvex::platform::profile

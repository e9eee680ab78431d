// The bounded read loop.
#include "platform/profile/read_to_end.h"

#include <algorithm>

namespace tolvex::platform::profile {

ReadResult ReadToEnd(const std::function<std::ptrdiff_t(char* into, std::size_t count)>& read,
                     std::size_t expected, std::size_t limit, std::string& bytes) {
  if (expected > limit) {
    bytes.clear();
    return ReadResult::TooLarge;
  }
  bytes.resize(expected);
  size_t total = 0;
  while (true) {
    if (total == bytes.size()) {
      if (bytes.size() >= limit + 1) break;
      bytes.resize(std::min(limit + 1, bytes.size() * 2 + 4096));
    }
    const std::ptrdiff_t n = read(bytes.data() + total, bytes.size() - total);
    if (n < 0) {
      bytes.clear();
      return ReadResult::Failed;
    }
    if (n == 0) break;
    total += static_cast<size_t>(n);
  }
  bytes.resize(total);
  if (total > limit) {
    bytes.clear();
    return ReadResult::TooLarge;
  }
  return ReadResult::Ok;
}

}  // namespace tolvex::platform::profile

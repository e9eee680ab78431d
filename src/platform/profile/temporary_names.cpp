// Temporary names of atomic replacements.
#include "platform/profile/temporary_names.h"

#include <atomic>
#include <random>

namespace tolvex::platform::profile {

namespace {

constexpr char kTemporaryMark[] = ".tmp-";

size_t LastSeparator(const std::string& path, bool backslashToo) {
  return path.find_last_of(backslashToo ? "/\\" : "/");
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, std::uint64_t processId) {
  static std::atomic<unsigned> counter{0};
  static std::random_device random;
  return target + kTemporaryMark + std::to_string(processId) + "-" + std::to_string(counter++) +
         "-" + std::to_string(random());
}

bool IsTemporaryOf(std::string_view candidate, std::string_view targetName) {
  const std::string_view mark(kTemporaryMark);
  if (candidate.substr(0, targetName.size()) != targetName) return false;
  candidate.remove_prefix(targetName.size());
  if (candidate.substr(0, mark.size()) != mark) return false;
  candidate.remove_prefix(mark.size());
  for (int group = 0; group < 3; ++group) {
    size_t digits = 0;
    while (digits < candidate.size() && candidate[digits] >= '0' && candidate[digits] <= '9') {
      ++digits;
    }
    if (digits == 0) return false;
    candidate.remove_prefix(digits);
    if (group < 2) {
      if (candidate.empty() || candidate.front() != '-') return false;
      candidate.remove_prefix(1);
    }
  }
  return candidate.empty();
}

std::string FolderOf(const std::string& path, bool backslashToo) {
  const size_t separator = LastSeparator(path, backslashToo);
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

std::string NameOf(const std::string& path, bool backslashToo) {
  const size_t separator = LastSeparator(path, backslashToo);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace tolvex::platform::profile

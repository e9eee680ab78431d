// The names of the temporary files an atomic replacement writes beside its
// target: "<name>.tmp-<process>-<counter>-<random>".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvex::platform::profile {

// A fresh temporary name for `target` written by process `processId`.
std::string TemporaryNameFor(const std::string& target, std::uint64_t processId);

// True when `candidate` (a file name without folder) is a temporary name of
// the file whose name is `targetName`.
bool IsTemporaryOf(std::string_view candidate, std::string_view targetName);

// The folder part of `path` ("." for a bare name) and the name part; "/" and,
// where the system knows it, "\" separate them.
std::string FolderOf(const std::string& path, bool backslashToo);
std::string NameOf(const std::string& path, bool backslashToo);

}  // namespace tolvex::platform::profile

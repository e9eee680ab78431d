// Writes a large 64-bit PE library for the icon benchmarks: a padding
// section of many megabytes and, behind it, a resource section with many
// named and numbered icon groups, as large system libraries have.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvex::bench {

struct LargeLibrary {
  std::size_t paddingBytes = 24u << 20;
  int namedGroups = 50;
  int numberedGroups = 950;
  // The images every group holds (bytes of DIB or PNG images).
  std::vector<std::vector<std::uint8_t>> images;
};

// The library's bytes.
std::vector<std::uint8_t> BuildLibrary(const LargeLibrary& library);

// The images of the first icon of the icon file `icoPath`, to fill a library with.
std::vector<std::vector<std::uint8_t>> IconFileImages(const std::string& icoPath);

}  // namespace tolvex::bench

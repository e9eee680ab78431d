// The layout of a PE module (32- or 64-bit program or library) as its file
// holds it: the sections, where relative virtual addresses lie in the file,
// and the data directories.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/icons/byte_source.h"
#include "platform/icons/icon_container.h"

namespace tolvex::platform::icons {

struct PeSection {
  std::uint32_t address = 0;
  std::uint32_t virtualSize = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawOffset = 0;

  // Whether address `at` lies in the section's memory and in its file bytes.
  // A section's file bytes may be padded beyond its memory size, into the
  // addresses of the next section.
  bool Holds(std::uint32_t at) const {
    const std::uint32_t extent = virtualSize != 0 ? virtualSize : rawSize;
    return at >= address && at - address < extent && at - address < rawSize;
  }
};

inline constexpr std::uint32_t kPeImportDirectory = 1;
inline constexpr std::uint32_t kPeResourceDirectory = 2;

class PeLayout {
 public:
  // The layout of the module `source` holds; nothing when it is no PE module.
  static std::optional<PeLayout> Read(ByteSource& source);

  // The file bytes of `size` bytes at relative virtual address `address`,
  // cut to the part the file holds.
  std::optional<ImageRef> Data(std::uint32_t address, std::uint32_t size) const;
  // The address of data directory `index`, when the module has it (not 0).
  std::optional<std::uint32_t> Directory(ByteSource& source, std::uint32_t index) const;

 private:
  std::vector<PeSection> sections_;
  std::uint64_t directoryCountAt_ = 0;
};

}  // namespace tolvex::platform::icons

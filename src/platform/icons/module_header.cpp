// The DOS header of PE and NE modules.
#include "platform/icons/module_header.h"

namespace tolvex::platform::icons {

namespace {
constexpr std::uint64_t kHeaderPointer = 0x3C;
}

std::optional<std::uint32_t> ModuleHeader(ByteSource& source, const char (&signature)[3]) {
  std::uint8_t magic[2];
  if (!source.Read(0, magic, sizeof magic) || magic[0] != 'M' || magic[1] != 'Z')
    return std::nullopt;
  const std::optional<std::uint32_t> offset = source.U32(kHeaderPointer);
  std::uint8_t found[2];
  if (!offset || !source.Read(*offset, found, sizeof found) || found[0] != signature[0] ||
      found[1] != signature[1])
    return std::nullopt;
  return offset;
}

}  // namespace tolvex::platform::icons

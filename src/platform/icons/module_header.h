// The DOS header that PE and NE modules begin with: it points to the
// module's own header.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/icons/byte_source.h"

namespace tolvex::platform::icons {

// The offset of the module header when `source` starts with a DOS header
// whose pointer leads to the two-byte `signature` ("PE" or "NE").
std::optional<std::uint32_t> ModuleHeader(ByteSource& source, const char (&signature)[3]);

}  // namespace tolvex::platform::icons

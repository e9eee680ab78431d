// The libraries a PE module imports from, read from its import directory
// without loading it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/icons/byte_source.h"

namespace tolvex::platform::icons {

// The file names of the libraries in the module's import directory, in its
// order; empty for a module that imports nothing; nothing when `source` is
// no PE module.
std::optional<std::vector<std::string>> PeImportedLibraries(ByteSource& source);

}  // namespace tolvex::platform::icons

// The libraries an ELF shared object needs (its DT_NEEDED entries), read
// from the file itself without loading it. The file is untrusted: every
// offset and size is checked against the file, and the counts of headers,
// entries and names are capped.
#pragma once

#include <string>
#include <vector>

#include "platform/icons/byte_source.h"

namespace tolvex::platform {

struct ElfDependencies {
  // Empty when the file is a shared object that could be read.
  std::string error;
  // The DT_NEEDED names in the order of the dynamic section.
  std::vector<std::string> needed;
};

ElfDependencies ReadElfDependencies(icons::ByteSource& file);

}  // namespace tolvex::platform

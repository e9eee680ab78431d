// Reads the needed libraries of arbitrary bytes as an ELF file.
#include <cstddef>
#include <cstdint>

#include "platform/linux/elf_dependencies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvex::platform::icons::MemorySource source({data, size});
  const tolvex::platform::ElfDependencies read = tolvex::platform::ReadElfDependencies(source);
  // A reason and names never come together.
  if (!read.error.empty() && !read.needed.empty()) __builtin_trap();
  return 0;
}

// Fuzzes the splitting of launcher parameters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/linux/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t total = 0;
  for (const std::string& argument : tolvex::platform::SplitCommandLine(text)) {
    total += argument.size();
  }
  // Splitting never makes text: every output byte comes from the input.
  if (total > size) __builtin_trap();
  return 0;
}

// Fuzzes the private-profile parser with whole files.
#include <cstdint>
#include <cstdlib>

#include "profile_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!tolvex::platform::profile::ProfileInputHolds(bytes)) std::abort();
  return 0;
}

// Reads arbitrary bytes as the safe start's marker or list of skipped
// plug-ins; what is read must read back the same once written.
#include <cstddef>
#include <cstdint>

#include "app/snapin_safe_start.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
  const std::vector<tolvex::TSnapInStamp> stamps = tolvex::ReadStamps(text);
  if (tolvex::ReadStamps(tolvex::WriteStamps(stamps)) != stamps) __builtin_trap();
  return 0;
}

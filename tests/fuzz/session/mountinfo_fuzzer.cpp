// Fuzzes reading the network mounts from mountinfo text, whose mount points
// users choose freely.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/linux/network_mounts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const tolvex::platform::NetworkMount& mount :
       tolvex::platform::ParseNetworkMounts(text, 1000)) {
    (void)mount.IsDesktopFolder();
  }
  return 0;
}

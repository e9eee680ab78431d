// Fuzzes the desktop entry reader and the Exec line with its field codes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/linux/desktop_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tolvex::platform::DesktopEntry entry = tolvex::platform::ParseDesktopEntry(text);
  (void)tolvex::platform::ExecArguments(entry, {"/a file", "%f"}, "/x.desktop");
  return 0;
}

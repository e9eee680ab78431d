// Reads TOLVEX_PLATFORM and TOLVEX_SIM_NATIVE.
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tolvex::platform {

bool IsSimulated() {
  static const bool simulated = [] {
    const char* value = std::getenv("TOLVEX_PLATFORM");
    return value != nullptr && std::strcmp(value, "sim") == 0;
  }();
  return simulated;
}

bool IsSimulated(std::string_view service) {
  if (!IsSimulated()) return false;
  const char* native = std::getenv("TOLVEX_SIM_NATIVE");
  if (native == nullptr) return true;
  std::string_view list(native);
  while (!list.empty()) {
    const size_t comma = list.find(',');
    if (list.substr(0, comma) == service) return false;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return true;
}

void RefuseSimulation(const char* service) {
  std::fprintf(stderr, "TOLVEX_PLATFORM=sim: dieses Programm hat keinen simulierten Dienst \"%s\".\n",
               service);
  std::fflush(stderr);
  std::abort();
}

}  // namespace tolvex::platform

// Fuzz target: the reader of .ico files.
#include <cstdlib>

#include "exercise_icons.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex::platform::icons;
  if (ExerciseIcons(OpenIcoIcons, {data, size}).undecodable != 0) std::abort();
  return 0;
}

// Fuzz target: the reader of PE modules, their icons and their imports.
#include <cstdlib>

#include "exercise_icons.h"
#include "platform/icons/pe_imports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex::platform::icons;
  if (ExerciseIcons(OpenPeIcons, {data, size}).undecodable != 0) std::abort();
  MemorySource source({data, size});
  PeImportedLibraries(source);
  return 0;
}

// Fuzzer of the date, time, number and flag texts and of format strings.
#include "date_texts_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvex::fuzz::RunDateTexts(data, size);
  return 0;
}

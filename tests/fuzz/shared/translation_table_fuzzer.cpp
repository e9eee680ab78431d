// Feeds arbitrary text to the translation table's reader. Text it accepts
// must survive a round trip through the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shared/error.h"
#include "shared/translation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  tolvex::TTranslationTable table;
  try {
    table = tolvex::TTranslationTable::Read(text);
  } catch (const tolvex::EtxError&) {
    return 0;
  }
  const QString written = table.WriteText();
  if (tolvex::TTranslationTable::Read(written).WriteText() != written) std::abort();
  return 0;
}

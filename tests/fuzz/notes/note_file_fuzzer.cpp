// Fuzzer of the note file reader: any bytes read as a note, and what a save
// of that note writes reads back as the same note.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "snapins/notes/note_file.h"

namespace {

// A missing position is written as 0.
tolvex::TNoteData Normalised(tolvex::TNoteData note) {
  note.left = note.left.value_or(0);
  note.top = note.top.value_or(0);
  return note;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("TOLVEX_PLATFORM", "sim", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const tolvex::TNoteData first = Normalised(tolvex::ParseNoteFile(bytes));
  tolvex::TNoteData second = tolvex::ParseNoteFile(tolvex::ComposeNoteFile(first, 0));
  // The moment goes through its text forms, which keep whole minutes.
  if (std::fabs(second.alarm.moment - first.alarm.moment) < 1e-6)
    second.alarm.moment = first.alarm.moment;
  if (!(second == first)) std::abort();
  return 0;
}

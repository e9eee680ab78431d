// Registration of the notes panel.
#include "snapins/notes/notes_snapin.h"

#include "app/builtin_panels.h"
#include "snapins/notes/notes_panel.h"

namespace tolvex {

void RegisterNotesSnapIn() {
  RegisterBuiltInPanel(4, [](ISnapInHost& host) { return new TfrNotes(host); });
}

}  // namespace tolvex

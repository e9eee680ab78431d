// The program file dialog.
#include "dialogs/program_file_dialog.h"

#include "shared/file_dialog.h"

namespace tolvex {

QString BrowseProgram(QWidget* owner, const QString& preset) {
  return ExecOpenFileDialog(owner, {QStringLiteral("Durchsuchen"),
                                    QStringLiteral("Programme|*.exe;*.com;*.bat|Alle Dateien|*.*"),
                                    QStringLiteral("exe"), preset});
}

}  // namespace tolvex

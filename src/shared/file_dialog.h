// The system's open-file dialogs. They are shown through ExecModal, so a
// test answers them like every other dialog: AnswerFileDialog supplies the
// chosen path or a cancel.
#pragma once

#include <QString>

class QWidget;

namespace tolvex {

struct TFileDialogOptions {
  QString title;
  // Entries as "Text|*.a;*.b|Text|*.*": a text shown to the user, then its
  // patterns. An entry with the pattern "*.exe" also lists what counts as a
  // program on this system (executable files, ".desktop" entries).
  QString filter;
  // Without a dot ("exe"): a chosen name that does not exist is tried with
  // it.
  QString defaultExtension;
  // The file the dialog opens on (its folder and name).
  QString fileName;
};

// Asks for an existing file; its full path, or an empty string when the
// user cancelled.
QString ExecOpenFileDialog(QWidget* owner, const TFileDialogOptions& options);

}  // namespace tolvex

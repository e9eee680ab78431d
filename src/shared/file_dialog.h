// The system's open-file dialogs. They are shown through ExecModal, so a
// test answers them like every other dialog: AnswerFileDialog supplies the
// chosen path or a cancel.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

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
  // When set, a preview beside the file list shows what it returns for the
  // current file, starting with `fileName` (nothing for a null image),
  // scaled down to fit.
  std::function<QImage(const QString& path)> preview = {};
};

// The object name of the preview label, for tests.
inline constexpr char kFileDialogPreviewName[] = "preview";

// Asks for an existing file; its full path, or an empty string when the
// user cancelled.
QString ExecOpenFileDialog(QWidget* owner, const TFileDialogOptions& options);

}  // namespace tolvex

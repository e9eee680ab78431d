// The colour dialog.
#include "shared/color_dialog.h"

#include <QColorDialog>

#include "shared/modal.h"

namespace tolvex {

std::optional<QColor> ExecColorDialog(QWidget* owner, const QColor& initial) {
  QColorDialog dialog(initial, owner);
  dialog.setOptions(QColorDialog::DontUseNativeDialog);
  if (ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.currentColor();
}

}  // namespace tolvex

// The modal-dialog hook.
#include "shared/modal.h"

#include <QDialog>

namespace tolvex {

namespace {
ModalAnswer& Hook() {
  static ModalAnswer hook;
  return hook;
}
}  // namespace

int ExecModal(QDialog& dialog) {
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

ModalAnswer SetModalAnswer(ModalAnswer answer) {
  ModalAnswer previous = std::move(Hook());
  Hook() = std::move(answer);
  return previous;
}

}  // namespace tolvex

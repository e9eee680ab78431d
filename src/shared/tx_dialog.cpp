// The base of the fixed-size dialogs.
#include "shared/tx_dialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "shared/modal.h"

namespace tolvex {

TwTxDialog::TwTxDialog(QWidget* parent, int width, int height) : QDialog(parent) {
  QFont font = this->font();
  // The family the forms were laid out for, then look-alikes.
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  setFont(font);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(width, height);
}

void TwTxDialog::reject() {
  done(mrCancel);
}

void TwTxDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (cancelButton_) cancelButton_->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tolvex

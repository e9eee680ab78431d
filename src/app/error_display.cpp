// The default error display: a standard message box until the system's own
// message dialog takes its place here.
#include "app/error_display.h"

#include <QApplication>
#include <QMessageBox>

#include "shared/modal.h"

namespace tolvex {

void ShowErrorMessage(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                  QMessageBox::Ok, QApplication::activeWindow());
  ExecModal(box);
}

}  // namespace tolvex

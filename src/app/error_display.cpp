// The default error display: the system's message dialog, kind Error, with
// an Ok button and the kind's default headline.
#include "app/error_display.h"

#include "shared/message_dialog.h"

namespace tolvex {

void ShowErrorMessage(const QString& message) {
  ShowMessageDlg(QString(), message, MessageKind::Error, mbOk);
}

}  // namespace tolvex

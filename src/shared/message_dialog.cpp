// The show operations of the message dialog.
#include "shared/message_dialog.h"

#include "shared/format_text.h"
#include "shared/main_window.h"

namespace tolvex {

std::unique_ptr<TwTxMessage> CreateMessageDlg(const QString& headline, const QString& message,
                                              MessageKind kind, MessageButtons buttons,
                                              int helpContext, int x, int y) {
  auto dialog = std::make_unique<TwTxMessage>(MainWindow());
  dialog->Prepare(headline, message, kind, buttons, helpContext, x, y);
  return dialog;
}

int ShowMessageDlgPos(const QString& headline, const QString& message, MessageKind kind,
                      MessageButtons buttons, int helpContext, int x, int y) {
  const std::unique_ptr<TwTxMessage> dialog =
      CreateMessageDlg(headline, message, kind, buttons, helpContext, x, y);
  return ExecModal(*dialog);
}

int ShowMessageDlg(const QString& headline, const QString& message, MessageKind kind,
                   MessageButtons buttons, int helpContext) {
  return ShowMessageDlgPos(headline, message, kind, buttons, helpContext, -1, -1);
}

int ShowMessageDlgFmt(const QString& headline, const QString& format, const QStringList& arguments,
                      MessageKind kind, MessageButtons buttons, int helpContext) {
  return ShowMessageDlg(headline, FormatText(format, arguments), kind, buttons, helpContext);
}

}  // namespace tolvex

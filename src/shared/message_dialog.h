// The system's message dialog: every warning, error report, notice and
// yes/no question is shown through these operations. Each returns the result
// code (TModalResult) of the button that closed the dialog; callers test for
// mrYes (6). An empty headline stands for the kind's default headline.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "shared/message_form.h"
#include "shared/modal.h"

namespace tolvex {

// Centred over the main window (or the screen), inside the work area.
int ShowMessageDlg(const QString& headline, const QString& message, MessageKind kind,
                   MessageButtons buttons, int helpContext = 0);

// The message is `format` with each "%s" replaced by the next of `arguments`.
int ShowMessageDlgFmt(const QString& headline, const QString& format, const QStringList& arguments,
                      MessageKind kind, MessageButtons buttons, int helpContext = 0);

// With x and y both 0 or more the dialog's top-left corner goes to (x, y),
// pulled back at the work area's right and bottom edges; -1 keeps the
// default placement.
int ShowMessageDlgPos(const QString& headline, const QString& message, MessageKind kind,
                      MessageButtons buttons, int helpContext, int x, int y);

// Builds the dialog the operations above show; the caller shows and frees it.
std::unique_ptr<TwTxMessage> CreateMessageDlg(const QString& headline, const QString& message,
                                              MessageKind kind, MessageButtons buttons,
                                              int helpContext, int x, int y);

}  // namespace tolvex

// printf-like filling of a format with string arguments, as the message
// dialog's callers use it ("Die Notiz "%s" …"). Only the format is
// interpreted; arguments are inserted as they are.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvex {

// "%s" takes the next argument, "%%" gives "%". Any other directive, or a
// "%s" without an argument left, raises EtxError.
QString FormatText(const QString& format, const QStringList& arguments);

}  // namespace tolvex

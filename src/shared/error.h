// The system's error class. Errors that cannot be handled where they arise
// are raised as EtxError (or a class derived from it) and end up in the
// application's default error display.
#pragma once

#include <QString>
#include <stdexcept>

namespace tolvex {

class EtxError : public std::runtime_error {
 public:
  explicit EtxError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString Message() const { return QString::fromUtf8(what()); }
};

}  // namespace tolvex

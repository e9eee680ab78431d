// Filling a format with string arguments.
#include "shared/format_text.h"

#include "shared/error.h"

namespace tolvex {

QString FormatText(const QString& format, const QStringList& arguments) {
  const auto invalid = [&] {
    return EtxError(
        QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
  };
  QString result;
  qsizetype next = 0;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != u'%') {
      result += format[i];
      continue;
    }
    const QChar directive = i + 1 < format.size() ? format[i + 1] : QChar();
    if (directive == u'%') {
      result += u'%';
    } else if (directive == u's' && next < arguments.size()) {
      result += arguments[next++];
    } else {
      throw invalid();
    }
    ++i;
  }
  return result;
}

}  // namespace tolvex

// One line per diagnostic, whatever the file names hold.
#include "app/snapin_diagnostics.h"

namespace tolvex {

Q_LOGGING_CATEGORY(lcSnapIns, "tolvex.snapins", QtWarningMsg)

namespace {

QString OneLine(const QString& text) {
  QString line;
  line.reserve(text.size());
  for (const QChar c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator) {
      line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

void ReportSnapIn(const QString& path, const QString& reason) {
  qCWarning(lcSnapIns).noquote() << OneLine(path) + QStringLiteral(": ") + OneLine(reason);
}

}  // namespace tolvex

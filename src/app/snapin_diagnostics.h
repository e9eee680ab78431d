// Diagnostics of the snap-in host on standard error: one line for each
// plug-in the bar skips or gives up, naming the file and the reason. The
// category "tolvex.snapins" is on for warnings; the bar shows nothing of it.
#pragma once

#include <QLoggingCategory>
#include <QString>

namespace tolvex {

Q_DECLARE_LOGGING_CATEGORY(lcSnapIns)

// Writes "<path>: <reason>" as one line; line breaks and other control
// characters in either are shown escaped.
void ReportSnapIn(const QString& path, const QString& reason);

}  // namespace tolvex

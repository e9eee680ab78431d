// The sanitizer options for a real binary that talks to an X server.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvex::test {

// ASAN_OPTIONS of the test without strict string checks, which abort in
// Qt's X11 keyboard set-up, and without leak checks.
inline QString AsanOptionsForX11() {
  QStringList options = qEnvironmentVariable("ASAN_OPTIONS").split(':', Qt::SkipEmptyParts);
  options.removeIf([](const QString& option) { return option.startsWith("strict_string_checks"); });
  options << "detect_leaks=0";
  return options.join(':');
}

}  // namespace tolvex::test

// Catching exceptions of event handlers in one place.
#include "app/application.h"

#include <exception>

#include "app/error_display.h"

namespace tolvex {

TTolvexApplication::TTolvexApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TTolvexApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    HandleError(QString::fromUtf8(error.what()));
  } catch (...) {
    HandleError(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

void TTolvexApplication::HandleError(const QString& message) {
  waiting_ << message;
  // An error raised while a message is on screen (e.g. by a repaint behind
  // it) waits its turn instead of stacking message boxes.
  if (showing_) return;
  showing_ = true;
  while (!waiting_.isEmpty()) ShowErrorMessage(waiting_.takeFirst());
  showing_ = false;
}

}  // namespace tolvex

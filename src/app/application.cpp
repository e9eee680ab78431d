// Catching exceptions of event handlers in one place; the program icon.
#include "app/application.h"

#include <QIcon>
#include <exception>

#include "app/error_display.h"
#include "shared/shared_resources.h"

namespace tolvex {

TTolvexApplication::TTolvexApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setWindowIcon(QIcon(SharedPicture(QStringLiteral("tolvexbar_icon.png"))));
}

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

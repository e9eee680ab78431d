// Synchronise with and without messages.
#include "snapins/clock/time_sync.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <exception>

#include "shared/modal.h"
#include "snapins/clock/time_client.h"

namespace tolvex {

namespace {

// The clock's messages: the platform's standard message box with one "OK",
// shown through the system's modal hook.
void ShowClockMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                      const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  ExecModal(box);
}

// Shows the hourglass for its lifetime and then the cursor there was before.
class THourglass {
 public:
  THourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~THourglass() { QGuiApplication::restoreOverrideCursor(); }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
};

bool RunClient(TIdTime& client) {
  const THourglass hourglass;
  try {
    return client.SyncTime();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool Synchronise(TIdTime& client, bool withMessages, QWidget* parent) {
  if (client.Host.empty()) {
    if (withMessages) {
      ShowClockMessage(parent, QMessageBox::Warning, QStringLiteral("Warnung"),
                       QStringLiteral("Es ist kein Zeitserver eingetragen."));
    }
    return false;
  }
  const bool done = RunClient(client);
  if (withMessages) {
    ShowClockMessage(parent, QMessageBox::Information, QStringLiteral("Information"),
                     done ? QStringLiteral("Uhrzeit wurde synchronisiert.")
                          : QStringLiteral("Bei der Synchronisation ist ein Fehler aufgetreten."));
  }
  return done;
}

}  // namespace tolvex

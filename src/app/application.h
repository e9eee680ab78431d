// The bar's application object. An exception that leaves an event handler
// ends here, in one place: its message is shown by the default error display
// and the program goes on.
#pragma once

#include <QApplication>
#include <QStringList>

namespace tolvex {

class TTolvexApplication : public QApplication {
 public:
  TTolvexApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Shows `message` now, or after the message being shown when an error
  // arrives while one is on screen.
  void HandleError(const QString& message);

 private:
  QStringList waiting_;
  bool showing_ = false;
};

}  // namespace tolvex

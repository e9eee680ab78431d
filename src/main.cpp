// Program entry: sets the application title, creates the bar window as the
// main window and runs the message loop.
#include <exception>

#include "app/application.h"
#include "app/bar_window.h"
#include "app/error_display.h"
#include "dialogs/dialogs_registration.h"
#include "snapins/clock/clock_registration.h"

int main(int argc, char* argv[]) {
  tolvex::TTolvexApplication app(argc, argv);
  QApplication::setApplicationName("tolvexBar");
  QApplication::setApplicationDisplayName("tolvexBar");
  tolvex::RegisterElementDialogs();
  tolvex::RegisterClockPanel();
  try {
    tolvex::TwTolvexDesktop window;
    return app.exec();
  } catch (const std::exception& error) {
    // An error while the main window is created ends the program after it
    // is shown.
    tolvex::ShowErrorMessage(QString::fromUtf8(error.what()));
    return 1;
  }
}

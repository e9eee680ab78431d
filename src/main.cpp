// Program entry: answers the command line, sets the application title,
// creates the bar window as the main window and runs the message loop.
#include <exception>
#include <optional>

#include "app/application.h"
#include "app/bar_window.h"
#include "app/command_line_options.h"
#include "app/error_display.h"
#include "dialogs/dialogs_registration.h"
#include "snapins/terminator/register_terminator.h"
#include "snapins/dialup/dialup_panel.h"
#include "snapins/notes/notes_snapin.h"
#include "snapins/clock/clock_registration.h"
#include "snapins/amp/amp_panel.h"
#include "snapins/pic/pic_registration.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> exitCode = tolvex::HandleCommandLine(argc, argv)) return *exitCode;
  tolvex::TTolvexApplication app(argc, argv);
  QApplication::setApplicationName("tolvexBar");
  tolvex::RegisterElementDialogs();
  tolvex::RegisterTerminatorPanel();
  tolvex::RegisterDialUpPanel();
  tolvex::RegisterNotesSnapIn();
  tolvex::RegisterClockPanel();
  tolvex::RegisterAmpPanel();
  tolvex::RegisterPicPanel();
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

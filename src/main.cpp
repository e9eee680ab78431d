// Program entry: sets the application title, creates the bar window and runs
// the message loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("tolvexBar");
  QApplication::setApplicationDisplayName("tolvexBar");
  QWidget window;
  window.setWindowTitle("TolvexBar");
  window.resize(104, 400);
  window.show();
  return app.exec();
}

// The peer of the bar's start-up figures: a bare Qt window of 104 pixels
// with 20 text buttons stacked, nothing else.
#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("BareButtons"));
  auto* column = new QVBoxLayout(&window);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  for (int n = 1; n <= 20; ++n) {
    column->addWidget(new QPushButton(QStringLiteral("Programm %1").arg(n)));
  }
  window.setFixedWidth(104);
  window.show();
  return app.exec();
}

// Test program for the drop test: a window with a file drop target that
// writes each drop to the file named on its command line: the drop point
// ("x y") on the first line, then one dropped file per line. Prints
// "ready X Y" with the screen position of its client area once shown.
// With the option "--off" after the file name the target takes no drops.
#include <QApplication>
#include <QSaveFile>
#include <QWidget>
#include <cstdio>

#include "announce.h"

#include "controls/file_drag.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  const QString record = QApplication::arguments().at(1);
  QWidget window;
  window.setWindowTitle("tolvex drop target");
  tolvex::TFileDrag drag(&window);
  drag.SetEnableDrop(!QApplication::arguments().contains("--off"));
  QObject::connect(&drag, &tolvex::TFileDrag::OnDrop, [&](tolvex::TFileDrag* sender, int x, int y) {
    QSaveFile file(record);
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray text = QByteArray::number(x) + ' ' + QByteArray::number(y) + '\n';
    for (const QString& path : sender->Files()) text += path.toUtf8() + '\n';
    file.write(text);
    file.commit();
  });
  window.setGeometry(400, 40, 300, 300);
  window.show();
  AnnounceWhenShown(window);
  return QApplication::exec();
}

// Test program for the drop test: a window that starts a drag of the files
// named on its command line when the mouse is pressed and moved in it, the
// way a file manager does (XDND, text/uri-list). Prints "ready X Y" with the
// screen position of its client area once shown, and "action N" with the drop action the target
// chose once the drag ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

#include "announce.h"

namespace {

class TSourceWindow : public QWidget {
 public:
  explicit TSourceWindow(QStringList files) : files_(std::move(files)) {
    setWindowTitle("tolvex drag source");
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position().toPoint(); }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton) || dragging_) return;
    if ((event->position().toPoint() - pressedAt_).manhattanLength() <
        QApplication::startDragDistance())
      return;
    dragging_ = true;
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& file : files_) urls << QUrl::fromLocalFile(file);
    data->setUrls(urls);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const Qt::DropAction action =
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
    std::printf("action %d\n", static_cast<int>(action));
    std::fflush(stdout);
    dragging_ = false;
  }

 private:
  QStringList files_;
  QPoint pressedAt_;
  bool dragging_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TSourceWindow window(QApplication::arguments().mid(1));
  window.setGeometry(20, 40, 200, 200);
  window.show();
  AnnounceWhenShown(window);
  return QApplication::exec();
}

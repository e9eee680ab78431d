// TwBigViewer, the picture panel's viewer: a small tool window showing the
// picture at its natural size.
#pragma once

#include <QWidget>

class QLabel;

namespace tolvex {

class TwBigViewer : public QWidget {
  Q_OBJECT

 public:
  // A top-level tool window owned by `owner`; closing it destroys it.
  explicit TwBigViewer(QWidget* owner);

  // Shows the picture in `path` and fits the client area to it; a path that
  // is empty, missing or unreadable keeps what the viewer shows.
  void Load(const QString& path);

 private:
  QLabel* imPicture_;
};

}  // namespace tolvex

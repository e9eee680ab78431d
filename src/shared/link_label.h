// A label that looks and acts like a link: blue, underlined, with the hand
// cursor; a left click reports Clicked.
#pragma once

#include <QLabel>

namespace tolvex {

class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLinkLabel(QWidget* parent = nullptr);

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tolvex

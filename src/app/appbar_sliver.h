// The sliver an auto-hidden bar leaves on screen: a strip of two border
// widths along the bar's inner side, drawn in the highlight colour so the
// user sees where to point. Pointing at it slides the bar in.
#pragma once

#include <QWidget>

namespace tolvex {

class TAppBar;

class TAppBarSliver : public QWidget {
  Q_OBJECT

 public:
  explicit TAppBarSliver(TAppBar* bar);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  TAppBar* bar_;
};

}  // namespace tolvex

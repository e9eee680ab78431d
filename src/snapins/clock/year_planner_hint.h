// The year planner's hint window: the lines of a day's hint in the hint
// colour and font, shown below the mouse for a while. It never takes the
// focus and lets the program go on with its work while it shows.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "snapins/clock/year_planner.h"

namespace tolvex {

class TPlannerHint : public QWidget {
  Q_OBJECT

 public:
  // The usual lifetime of a hint, in milliseconds.
  static constexpr int kHintPause = 500;

  explicit TPlannerHint(QWidget* owner);

  // Shows `text`, split into lines at line breaks, with its top-left corner
  // as far below `mouse` (global) as the window is high, for `lifetime`
  // milliseconds (kHintPause for 0).
  void Show(const QString& text, QPoint mouse, TColor color, const TPlannerFont& font,
            int lifetime);
  void Cancel();

  const QStringList& Lines() const { return lines_; }
  int Lifetime() const { return timer_.interval(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  TPlannerFont font_;
  QTimer timer_;
};

}  // namespace tolvex

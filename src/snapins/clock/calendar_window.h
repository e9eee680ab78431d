// TwTolvexCalendar, the clock's year calendar window: the year planner with
// the German holidays and memorial days coloured, every day's date and
// week number (and its names) as its hint, and the selected day or range
// described in the status line. The clock creates it once; closing it only
// hides it.
#pragma once

#include <QWidget>

class QLabel;
class QStatusBar;

namespace tolvex {

class TYearPlanner;

class TwTolvexCalendar : public QWidget {
  Q_OBJECT

 public:
  // The client size that gives the planner 615 × 282 pixels above the
  // status line.
  static constexpr int kWidth = 615;
  static constexpr int kPlannerHeight = 282;
  static constexpr int kStatusHeight = 19;

  // Shows the current year with today selected.
  explicit TwTolvexCalendar(QWidget* owner);

  TYearPlanner& ypYearPlanner() const { return *ypYearPlanner_; }
  QString StatusText() const;

  // Names, hints and colours of every day of the year shown.
  void Fill();
  // The status line for the planner's selection.
  void ShowSelection();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TYearPlanner* ypYearPlanner_;
  QStatusBar* sbStatus_;
  QLabel* txStatus_;
};

}  // namespace tolvex

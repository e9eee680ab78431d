// The clock's month view: the days of one month in seven columns, Monday
// to Sunday, one row per week, without headings or grid lines. Today is
// blue and bold, the weekend bold.
#pragma once

#include <QWidget>

namespace tolvex {

// Where a day lies in the month view: column 1 (Monday) to 7 (Sunday),
// row 1 to 6.
struct TMonthCell {
  int column = 0;
  int row = 0;
  bool operator==(const TMonthCell&) const = default;
};
TMonthCell MonthCellOf(int year, int month, int day);

class TClockMonthView : public QWidget {
  Q_OBJECT

 public:
  explicit TClockMonthView(QWidget* parent);

  int Month() const { return month_; }
  int Year() const { return year_; }
  // Shows `month` (1..12) of `year` and repaints.
  void ShowMonth(int year, int month);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int year_ = 1;
  int month_ = 1;
};

}  // namespace tolvex

// Painting the month view.
#include "snapins/clock/clock_month.h"

#include <QPainter>

#include "shared/calendar.h"
#include "shared/date_time.h"

namespace tolvex {

TMonthCell MonthCellOf(int year, int month, int day) {
  // 0 Monday … 6 Sunday.
  const int first = MondayBasedWeekday(DayOfWeek(MakeDate(year, month, 1)), 0);
  const int index = first + day - 1;
  return {index % 7 + 1, index / 7 + 1};
}

TClockMonthView::TClockMonthView(QWidget* parent) : QWidget(parent) {
  QFont small = font();
  small.setFamilies({QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans")});
  small.setPixelSize(8);
  setFont(small);
}

void TClockMonthView::ShowMonth(int year, int month) {
  year_ = year;
  month_ = month;
  update();
}

void TClockMonthView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Button));
  const int columnWidth = width() / 7;
  const int rowHeight = height() / 6;
  const TDateParts today = DecodeDate(Today());
  const bool thisMonth = today.year == year_ && today.month == month_;
  QFont regular = font();
  QFont bold = font();
  bold.setBold(true);
  const int days = MonthLength(year_, month_);
  for (int day = 1; day <= days; ++day) {
    const TMonthCell cell = MonthCellOf(year_, month_, day);
    const QRect box((cell.column - 1) * columnWidth, (cell.row - 1) * rowHeight, columnWidth,
                    rowHeight);
    const bool isToday = thisMonth && today.day == day;
    p.setFont(isToday || cell.column >= 6 ? bold : regular);
    p.setPen(isToday ? QColor(Qt::blue) : palette().color(QPalette::ButtonText));
    p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, QString::number(day));
  }
}

}  // namespace tolvex

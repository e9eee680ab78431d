// The year planner's grid, records and selection, and the mouse.
#include "snapins/clock/year_planner.h"

#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "platform/desktop.h"
#include "shared/calendar.h"
#include "shared/format_date_time.h"
#include "snapins/clock/year_planner_hint.h"

namespace tolvex {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
// Day cells on the left half of a row look right for a day, the others left.
constexpr int kLookRightBefore = 8;

}  // namespace

QRect TPlannerGeometry::CellRect(int column, int row) const {
  const int x = column == 0 ? 0 : headingWidth + (column - 1) * columnWidth;
  const int y = row == 0 ? 0 : headingHeight + (row - 1) * rowHeight;
  return QRect(x, y, column == 0 ? headingWidth : columnWidth,
               row == 0 ? headingHeight : rowHeight);
}

TYearPlanner::TYearPlanner(QWidget* parent)
    : QWidget(parent), year_(CurrentYear()), hint_(new TPlannerHint(this)) {
  setObjectName(QStringLiteral("ypYearPlanner"));
  setMouseTracking(true);
  options_.Font = {font(), 0};
  options_.DayFont = {font(), clWindowText};
  options_.MonthFont = {font(), 0xFFFFFF};
  options_.YearFont = {font(), 0xFFFFFF};
  options_.HintFont = {font(), clWindowText};
  BuildTexts();
  ResetCells();
  ClearSelection();
}

TYearPlanner::~TYearPlanner() = default;

void TYearPlanner::SetYear(int year) {
  if (year == year_ || year < kFirstYear || year > kLastYear) return;
  emit OnYearChange(this);
  year_ = year;
  ClearSelection();
  BuildTexts();
  ResetCells();
  emit OnYearChanged(this);
  update();
}

void TYearPlanner::SetOptions(const TYearPlannerOptions& options) {
  const bool newStart = options.StartDayOfWeek != options_.StartDayOfWeek;
  options_ = options;
  if (newStart) BuildTexts();
  update();
}

int TYearPlanner::MonthOffset(int month) const {
  // DayOfWeek counts 1 Sunday to 7 Saturday.
  return (DayOfWeek(MakeDate(year_, month, 1)) - options_.StartDayOfWeek + 5) % 7;
}

bool TYearPlanner::IsWeekendColumn(int column) const {
  if (column < 1) return false;
  const int weekday = (options_.StartDayOfWeek + column - 1) % 7;
  return weekday == ypSaturday || weekday == ypSunday;
}

int TYearPlanner::DayOfCell(int column, int row) const {
  if (column < 1 || column >= kColumns || row < 1 || row >= kRows) return 0;
  const int day = column - MonthOffset(row);
  return day >= 1 && day <= MonthLength(year_, row) ? day : 0;
}

QString TYearPlanner::CellText(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return {};
  return texts_[column][row];
}

void TYearPlanner::BuildTexts() {
  for (auto& column : texts_) column.fill(QString());
  texts_[0][0] = QString::number(year_);
  // 1 January 2001 was a Monday: the weekday names come from its week.
  const TDateTime monday = MakeDate(2001, 1, 1);
  for (int column = 1; column < kColumns; ++column) {
    const int weekday = (options_.StartDayOfWeek + column - 1) % 7;
    texts_[column][0] = FormatDateTime(QStringLiteral("ddd"), monday + weekday).left(1);
  }
  for (int month = 1; month < kRows; ++month) {
    texts_[0][month] =
        FormatDateTime(QStringLiteral("mmmm"), MakeDate(year_, month, 1)).left(kMaxCellText);
    const int offset = MonthOffset(month);
    for (int day = 1; day <= MonthLength(year_, month); ++day) {
      texts_[day + offset][month] = QString::number(day);
    }
  }
}

void TYearPlanner::ResetCells() {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      TCellData& cell = cells_[month - 1][day - 1];
      cell = TCellData();
      if (day <= MonthLength(year_, month)) cell.date = MakeDate(year_, month, day);
    }
  }
}

TCellData& TYearPlanner::CellData(int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > MonthLength(year_, month)) {
    noDay_ = TCellData();
    return noDay_;
  }
  return cells_[month - 1][day - 1];
}

const TCellData& TYearPlanner::CellData(int month, int day) const {
  static const TCellData kNoDay;
  if (month < 1 || month > 12 || day < 1 || day > MonthLength(year_, month)) return kNoDay;
  return cells_[month - 1][day - 1];
}

void TYearPlanner::SetSelection(TDateTime a, TDateTime b) {
  if (b < a) std::swap(a, b);
  const auto cellOf = [this](TDateTime date) {
    const TDateParts parts = DecodeDate(date);
    if (parts.month == 0) return QPoint();
    return QPoint(parts.day + MonthOffset(parts.month), parts.month);
  };
  startCell_ = cellOf(a);
  endCell_ = cellOf(b);
  startDate_ = a;
  endDate_ = b;
  update();
}

void TYearPlanner::ClearSelection() {
  startCell_ = endCell_ = QPoint();
  startDate_ = endDate_ = Now();
  update();
}

bool TYearPlanner::IsSelected(int column, int row) const {
  if (!options_.AllowSelections) return false;
  if (options_.SelectionStyle == ypRectangle) {
    return column >= std::min(startCell_.x(), endCell_.x()) &&
           column <= std::max(startCell_.x(), endCell_.x()) &&
           row >= std::min(startCell_.y(), endCell_.y()) &&
           row <= std::max(startCell_.y(), endCell_.y());
  }
  const int day = DayOfCell(column, row);
  if (day == 0) return false;
  const TDateTime date = cells_[row - 1][day - 1].date;
  return startDate_ <= date && date <= endDate_;
}

TDateTime TYearPlanner::DateOfCell(QPoint cell) const {
  const int row = std::max(cell.y(), 1);
  int column = std::max(cell.x(), 1);
  const int step = column < kLookRightBefore ? 1 : -1;
  while (column >= 1 && column < kColumns && DayOfCell(column, row) == 0) column += step;
  const int day = DayOfCell(column, row);
  return day == 0 ? 0 : MakeDate(year_, row, day);
}

void TYearPlanner::UpdateDates() {
  startDate_ = DateOfCell(startCell_);
  endDate_ = DateOfCell(endCell_);
}

TPlannerGeometry TYearPlanner::Geometry() const {
  TPlannerGeometry g;
  const int w = width();
  const int h = height();
  g.columnWidth = w / 41;
  g.rowHeight = h / 13;
  g.headingWidth = options_.UseFreeSpace ? w - kDayColumns * g.columnWidth : 4 * g.columnWidth;
  g.headingHeight = options_.UseFreeSpace ? h - 12 * g.rowHeight : g.rowHeight;
  const int arrowWidth = platform::Desktop().Metric(platform::SystemMetric::HScrollArrowWidth);
  const int arrowHeight = platform::Desktop().Metric(platform::SystemMetric::HScrollHeight);
  const int top = (g.headingHeight - arrowHeight) / 2;
  g.prevYear = QRect(1, top, arrowWidth, arrowHeight);
  g.nextYear = QRect(g.headingWidth - arrowWidth - 1, top, arrowWidth, arrowHeight);
  return g;
}

QPoint TYearPlanner::HitTest(QPoint at) const {
  const TPlannerGeometry g = Geometry();
  // A control narrower than the grid still answers with a cell.
  const int columnWidth = std::max(g.columnWidth, 1);
  const int rowHeight = std::max(g.rowHeight, 1);
  const int column =
      at.x() < g.headingWidth ? 0 : std::min((at.x() - g.headingWidth) / columnWidth + 1, 37);
  const int row =
      at.y() < g.headingHeight ? 0 : std::min((at.y() - g.headingHeight) / rowHeight + 1, 12);
  return QPoint(column, row);
}

TColor TYearPlanner::CellColor(int column, int row) const {
  if (column == 0) return row == 0 ? options_.YearColor : options_.MonthColor;
  if (row == 0)
    return IsWeekendColumn(column) ? options_.WeekendHeadingColor : options_.HeadingColor;
  const int day = DayOfCell(column, row);
  if (day != 0) {
    if (IsSelected(column, row)) return options_.SelectionColor;
    const TCellData& cell = cells_[row - 1][day - 1];
    if (cell.useOwnColor) return cell.color;
  }
  if (!IsWeekendColumn(column) || (day == 0 && options_.NoDayPriority)) {
    return day != 0 ? options_.DayColor : options_.NoDayColor;
  }
  return options_.WeekendColor;
}

void TYearPlanner::mousePressEvent(QMouseEvent* event) {
  hint_->Cancel();
  if (event->button() != Qt::LeftButton || !options_.AllowSelections) return;
  const QPoint at = event->position().toPoint();
  if (options_.YearNavigators) {
    const TPlannerGeometry g = Geometry();
    if (g.prevYear.contains(at)) {
      SetYear(year_ - 1);
      return;
    }
    if (g.nextYear.contains(at)) {
      SetYear(year_ + 1);
      return;
    }
  }
  const QPoint cell = HitTest(at);
  const bool dayCell = DayOfCell(cell.x(), cell.y()) != 0;
  if (!dayCell && options_.SelectionStyle == ypNormal) {
    ClearSelection();
    return;
  }
  selecting_ = true;
  anchor_ = startCell_ = endCell_ = cell;
  if (options_.SelectionStyle == ypNormal) startDate_ = endDate_ = DateOfCell(cell);
  update();
}

void TYearPlanner::mouseMoveEvent(QMouseEvent* event) {
  const QPoint cell = HitTest(event->position().toPoint());
  if (!selecting_) {
    ShowHintFor(cell, event->globalPosition().toPoint());
    return;
  }
  startCell_ = anchor_;
  endCell_ = cell;
  if (options_.SelectionStyle == ypNormal) {
    if (endCell_.y() < startCell_.y() ||
        (endCell_.y() == startCell_.y() && endCell_.x() < startCell_.x())) {
      std::swap(startCell_, endCell_);
    }
  } else {
    startCell_ = QPoint(std::min(anchor_.x(), cell.x()), std::min(anchor_.y(), cell.y()));
    endCell_ = QPoint(std::max(anchor_.x(), cell.x()), std::max(anchor_.y(), cell.y()));
  }
  UpdateDates();
  update();
}

void TYearPlanner::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !options_.AllowSelections) return;
  selecting_ = false;
  UpdateDates();
  update();
  emit OnSelectionEnd(this);
}

void TYearPlanner::ShowHintFor(QPoint cell, QPoint globalPos) {
  if (cell == mouseCell_) return;
  mouseCell_ = cell;
  const int day = DayOfCell(cell.x(), cell.y());
  if (day == 0) return;
  hint_->Cancel();
  const TCellData& data = cells_[cell.y() - 1][day - 1];
  QString text = data.hint;
  if (text.isEmpty() && options_.ShowDefaultHint) {
    text = FormatDateTime(QStringLiteral("ddddd"), data.date);
  }
  if (text.isEmpty()) return;
  hint_->Show(text, globalPos, options_.HintColor, options_.HintFont, options_.HintDelay);
}

void TYearPlanner::leaveEvent(QEvent* event) {
  // Coming back into the same cell counts as entering it.
  mouseCell_ = QPoint(-1, -1);
  QWidget::leaveEvent(event);
}

void TYearPlanner::hideEvent(QHideEvent* event) {
  hint_->Cancel();
  mouseCell_ = QPoint(-1, -1);
  QWidget::hideEvent(event);
}

}  // namespace tolvex

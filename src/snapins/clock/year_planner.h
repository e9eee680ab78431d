// TYearPlanner, the year calendar's grid: twelve month rows of day cells
// under a row of weekday letters, the year and the month names in the
// heading column, arrows in the top-left cell to step the year, a selection
// made with the mouse, a record per day (hint, own colour) and a hint window
// for the day under the mouse.
#pragma once

#include <QFont>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>

#include "shared/colors.h"
#include "shared/date_time.h"

namespace tolvex {

class TPlannerHint;

// The first weekday of the columns.
enum TypDOW : int {
  ypMonday = 0,
  ypTuesday,
  ypWednesday,
  ypThursday,
  ypFriday,
  ypSaturday,
  ypSunday,
};

// ypNormal selects the days from one date to another, ypRectangle the days
// inside a block of columns and rows.
enum TypSelSty : int { ypNormal = 0, ypRectangle = 1 };

// What the planner keeps for one day of the year shown.
struct TCellData {
  QString hint;
  TColor color = 0;
  bool useOwnColor = false;
  TDateTime date = 0;
  bool selected = false;
  // Pictures are not drawn in the cells; -1 stands for none.
  int imageIndex = -1;
};

// A font with the colour its text is drawn in.
struct TPlannerFont {
  QFont font;
  TColor color = 0;
};

// The look and behaviour of the planner; the year is set on its own.
struct TYearPlannerOptions {
  TypDOW StartDayOfWeek = ypMonday;
  bool AllowSelections = true;
  TypSelSty SelectionStyle = ypNormal;
  TColor SelectionColor = 0xFF0000;  // blue
  TColor DayColor = 0xFFFFFF;        // white
  TColor NoDayColor = 0xC0C0C0;      // silver
  bool NoDayPriority = false;
  TColor WeekendColor = 0x808080;  // grey
  TColor HeadingColor = 0x808080;
  TColor WeekendHeadingColor = 0xC0C0C0;
  TColor MonthColor = 0x808080;
  TColor YearColor = 0x808080;
  TPlannerFont Font;
  TPlannerFont DayFont;
  TPlannerFont MonthFont;
  TPlannerFont YearFont;
  TColor HintColor = 0x00FFFF;  // yellow
  TPlannerFont HintFont;
  // How long a hint stays, in milliseconds; 0 for the usual 500.
  int HintDelay = 0;
  // A day without a hint of its own shows its date.
  bool ShowDefaultHint = true;
  bool YearNavigators = true;
  bool GridLines = true;
  QPen GridPen{Qt::black, 1};
  bool FlatCells = true;
  bool Seperator = true;
  bool SoftBorder = false;
  bool EndEllipsis = false;
  // The heading column and row take the pixels the day cells leave.
  bool UseFreeSpace = true;
  bool DrawOffScreen = true;
};

// Where the parts of the grid lie for the planner's current size.
struct TPlannerGeometry {
  int columnWidth = 0;
  int rowHeight = 0;
  int headingWidth = 0;
  int headingHeight = 0;
  QRect prevYear;
  QRect nextYear;

  // The rectangle of the cell (column, row).
  QRect CellRect(int column, int row) const;
};

class TYearPlanner : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 38;
  static constexpr int kRows = 13;
  static constexpr int kDayColumns = 37;
  // A cell's text is at most this long.
  static constexpr int kMaxCellText = 9;

  explicit TYearPlanner(QWidget* parent = nullptr);
  ~TYearPlanner() override;

  int Year() const { return year_; }
  // A new year (1 to 9999) clears the selection and every day's record.
  void SetYear(int year);
  const TYearPlannerOptions& Options() const { return options_; }
  void SetOptions(const TYearPlannerOptions& options);

  // The text of cell (column, row): the year, a weekday letter, a month
  // name, a day number or nothing.
  QString CellText(int column, int row) const;
  // The day in cell (column, row), 0 for none.
  int DayOfCell(int column, int row) const;
  // The column of day 1 of `month` is this plus one.
  int MonthOffset(int month) const;
  bool IsWeekendColumn(int column) const;

  // The record of `day` of `month` of the year shown; days that month does
  // not have share one record that is never drawn.
  TCellData& CellData(int month, int day);
  const TCellData& CellData(int month, int day) const;

  // Selects from the earlier to the later of the two dates.
  void SetSelection(TDateTime a, TDateTime b);
  void ClearSelection();
  TDateTime StartDate() const { return startDate_; }
  TDateTime EndDate() const { return endDate_; }
  QPoint StartCell() const { return startCell_; }
  QPoint EndCell() const { return endCell_; }
  bool IsSelected(int column, int row) const;

  TPlannerGeometry Geometry() const;
  // The cell (column, row) under the point, both clamped to the grid.
  QPoint HitTest(QPoint at) const;
  TColor CellColor(int column, int row) const;

  // The hint window; hidden while no hint is shown.
  const TPlannerHint& Hint() const { return *hint_; }

 signals:
  void OnYearChange(TYearPlanner* sender);
  void OnYearChanged(TYearPlanner* sender);
  void OnSelectionEnd(TYearPlanner* sender);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildTexts();
  void ResetCells();
  void UpdateDates();
  TDateTime DateOfCell(QPoint cell) const;
  void ShowHintFor(QPoint cell, QPoint globalPos);

  void Paint(QPainter& p) const;
  void PaintCell(QPainter& p, const TPlannerGeometry& g, int column, int row) const;
  void PaintNavigators(QPainter& p, const TPlannerGeometry& g) const;
  void PaintGridLines(QPainter& p, const TPlannerGeometry& g) const;

  int year_;
  TYearPlannerOptions options_;
  std::array<std::array<QString, kRows>, kColumns> texts_;
  std::array<std::array<TCellData, 31>, 12> cells_;
  TCellData noDay_;
  QPoint startCell_;
  QPoint endCell_;
  TDateTime startDate_ = 0;
  TDateTime endDate_ = 0;
  QPoint anchor_;
  bool selecting_ = false;
  // The cell the mouse was last seen in, for the hints.
  QPoint mouseCell_{-1, -1};
  TPlannerHint* hint_;
};

}  // namespace tolvex

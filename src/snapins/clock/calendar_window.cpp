// The year calendar window.
#include "snapins/clock/calendar_window.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "shared/calendar.h"
#include "shared/format_date_time.h"
#include "snapins/clock/clock_artwork.h"
#include "snapins/clock/clock_font.h"
#include "snapins/clock/date_spec.h"
#include "snapins/clock/year_planner.h"

namespace tolvex {

namespace {

// Holidays and memorial days: red 0, green 128, blue 128.
constexpr TColor kTeal = 0x808000;
constexpr TColor kWhite = 0xFFFFFF;
// The window system's tooltip background.
constexpr TColor clInfoBk = TColor(0x80000018u);

}  // namespace

TwTolvexCalendar::TwTolvexCalendar(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("wTolvexCalendar"));
  setWindowTitle(QStringLiteral("TolvexClock - Jahreskalender"));
  setWindowIcon(QIcon(YearCalendarIcon()));
  const QFont font = ClockFont(this->font(), 11);
  setFont(font);

  ypYearPlanner_ = new TYearPlanner(this);
  TYearPlannerOptions options = ypYearPlanner_->Options();
  options.Font = {font, 0};
  options.DayFont = {font, clWindowText};
  options.MonthFont = {font, kWhite};
  options.YearFont = {font, kWhite};
  options.HintColor = clInfoBk;
  options.HintFont = {font, clWindowText};
  ypYearPlanner_->SetOptions(options);

  sbStatus_ = new QStatusBar(this);
  sbStatus_->setObjectName(QStringLiteral("sbStatus"));
  sbStatus_->setSizeGripEnabled(false);
  sbStatus_->setFixedHeight(kStatusHeight);
  txStatus_ = new QLabel(sbStatus_);
  txStatus_->setObjectName(QStringLiteral("txStatus"));
  sbStatus_->addWidget(txStatus_, 1);

  resize(kWidth, kPlannerHeight + kStatusHeight);

  connect(ypYearPlanner_, &TYearPlanner::OnYearChanged, this, &TwTolvexCalendar::Fill);
  connect(ypYearPlanner_, &TYearPlanner::OnSelectionEnd, this, &TwTolvexCalendar::ShowSelection);
  const TDateTime today = Today();
  ypYearPlanner_->SetYear(YearOfDate(today));
  ypYearPlanner_->SetSelection(today, today);
  Fill();
  ShowSelection();
}

void TwTolvexCalendar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The planner fills the window above the status line.
  const int plannerHeight = std::max(0, height() - kStatusHeight);
  ypYearPlanner_->setGeometry(0, 0, width(), plannerHeight);
  sbStatus_->setGeometry(0, plannerHeight, width(), kStatusHeight);
}

QString TwTolvexCalendar::StatusText() const {
  return txStatus_->text();
}

void TwTolvexCalendar::Fill() {
  TDateSpec spec;
  const int year = ypYearPlanner_->Year();
  for (TDateTime day = MakeDate(year, 1, 1); day <= MakeDate(year, 12, 31); ++day) {
    spec.SetDate(day);
    const TDateParts parts = DecodeDate(day);
    TCellData& cell = ypYearPlanner_->CellData(parts.month, parts.day);
    cell.hint = FormatDateTime(QStringLiteral("ddddd"), cell.date) + QStringLiteral("  KW: ") +
                QString::number(WeekNumber(day));
    if (!spec.Description().isEmpty()) {
      cell.hint += QStringLiteral("  (") + spec.Description() + QLatin1Char(')');
      cell.color = kTeal;
      cell.useOwnColor = true;
    }
  }
  ypYearPlanner_->update();
}

void TwTolvexCalendar::ShowSelection() {
  const auto hintOf = [this](TDateTime date) {
    const TDateParts parts = DecodeDate(date);
    return ypYearPlanner_->CellData(parts.month, parts.day).hint;
  };
  const TDateTime start = ypYearPlanner_->StartDate();
  const TDateTime end = ypYearPlanner_->EndDate();
  QString text = hintOf(start);
  if (end != start) text += QStringLiteral("   -   ") + hintOf(end);
  txStatus_->setText(text);
}

}  // namespace tolvex

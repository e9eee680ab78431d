// The clock panel at work: settings, the refresh of time, date and month,
// the layouts, the double click, the context menu and the dial-up events.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "app/ini_file.h"
#include "controls/action.h"
#include "controls/button.h"
#include "platform/date_time_settings.h"
#include "shared/calendar.h"
#include "shared/format_date_time.h"
#include "shared/placement.h"
#include "snapins/clock/calendar_window.h"
#include "snapins/clock/clock.h"
#include "snapins/clock/clock_month.h"
#include "snapins/clock/clock_settings_dialog.h"
#include "snapins/clock/time_sync.h"
#include "snapins/dialup/ras_notify.h"

namespace tolvex {

namespace {

constexpr int kLineHeight = 13;

void SetText(QLabel& label, const QString& text) {
  // A tick sets the same texts most of the time; repaint only what changed.
  if (label.text() != text) label.setText(text);
}

}  // namespace

void TfrClock::Start() {
  Host().AddBarSubmenu(*pmClock_);
  lastConnection_ = 0;
  storedDate_ = Today();
  shownMonth_ = CurrentMonth();
  shownYear_ = CurrentYear();
  LoadSettings();
  if (syncOnStart_) Synchronise(timeClient_, false, this);
}

void TfrClock::SaveSettings() {
  Host().ConfigFile().WriteBool(clock_keys::kSection, clock_keys::kMoonphase,
                                !pnMondphase_->isHidden());
}

void TfrClock::LoadSettings() {
  const TClockSettings settings = TClockSettings::Read(Host().ConfigFile());
  pnMondphase_->setVisible(settings.moonphase);
  acMondphase_->setChecked(settings.moonphase);
  timeClient_.Host = settings.timeServer.toStdString();
  rnRASNotify_->SetEnabled(settings.syncOnRasConnect);
  syncOnStart_ = settings.syncOnStart;
  lines_ = settings.lines;
  ApplyLayout(settings.layout);
  for (QLabel* line : txUserDef_) line->clear();
  RefreshDate();
  RefreshTime();
  RefreshMonth();
}

void TfrClock::ApplyLayout(int layout) {
  layout_ = layout;
  if (layout >= loStandard && layout <= loUserDefined) {
    QFrame* const panels[] = {pnStandard_, pnCompact_, pnMonth_, pnUserDef_};
    if (layout == loUserDefined) {
      int lastLine = 0;
      for (int i = 0; i < 3; ++i) {
        if (lines_[i].kind != lkEmpty) lastLine = i + 1;
      }
      pnUserDef_->resize(width(), lastLine * kLineHeight + 7);
    }
    StackLayouts(panels[layout]);
    // The bar's element list restacks when the height changes.
    resize(width(), panels[layout]->height());
    acMondphase_->setEnabled(layout == loStandard);
    for (int i = 0; i < 4; ++i) acLayouts_[i]->setChecked(i == layout);
    RefreshTime();
  }
  Host().ConfigFile().WriteInteger(clock_keys::kSection, clock_keys::kLayout, layout);
}

void TfrClock::StackLayouts(QWidget* top) {
  int y = top->height();
  top->move(0, 0);
  for (QWidget* panel : {pnStandard_, pnCompact_, pnMonth_, pnUserDef_}) {
    if (panel == top) continue;
    panel->move(0, y);
    y += panel->height();
  }
}

void TfrClock::Tick() {
  RefreshTime();
  const TDateTime today = Today();
  if (today != storedDate_) {
    storedDate_ = today;
    RefreshDate();
    pbMonth_->update();
  }
}

void TfrClock::RefreshTime() {
  // Only the layout on show: the others lie below the panel's edge, and
  // the layout change refreshes the one it shows. Each tick so costs one
  // text at most.
  const TDateTime now = Now();
  const QString time = FormatDateTime(QStringLiteral("hh:nn:ss"), now);
  switch (layout_) {
    case loCompact:
      return SetText(*txCompactTime_, time);
    case loMonth:
      return SetText(*txMonthTime_, time);
    case loUserDefined: {
      // Time lines see the time of day alone: their date letters show day 0.
      const TDateTime timeOfDay = CombineDateTime(0, now);
      for (int i = 0; i < 3; ++i) {
        if (lines_[i].kind == lkTime)
          SetText(*txUserDef_[i], FormatDateTime(lines_[i].format, timeOfDay));
      }
      return;
    }
    default:
      return SetText(*txTime_, time);
  }
}

void TfrClock::RefreshDate() {
  SetText(*txWeekday_, FormatDateTime(QStringLiteral("ddd"), storedDate_));
  SetText(*txDay_, FormatDateTime(QStringLiteral("d"), storedDate_));
  const TDateTime today = Today();
  const QString week = QString::number(WeekNumber(today));
  SetText(*txCompactDate_,
          FormatDateTime(QStringLiteral("ddd. dd.mm.yy"), today) + QStringLiteral(" W") + week);
  for (int i = 0; i < 3; ++i) {
    if (lines_[i].kind == lkDate) {
      SetText(*txUserDef_[i], FormatDateTime(lines_[i].format, today));
    } else if (lines_[i].kind == lkExtras) {
      SetText(*txUserDef_[i], QStringLiteral("KW: ") + week + QStringLiteral("  Tag: ") +
                                  QString::number(DayNumber(today)));
    }
  }
}

void TfrClock::RefreshMonth() {
  SetText(*txMonth_,
          FormatDateTime(QStringLiteral("mmm yyyy"), MakeDate(shownYear_, shownMonth_, 1)));
  pbMonth_->ShowMonth(shownYear_, shownMonth_);
}

void TfrClock::StepMonth(int step) {
  const int months = shownYear_ * 12 + (shownMonth_ - 1) + step;
  // The month view stays inside the years a date can have.
  if (months < 12 || months >= 10000 * 12) return;
  shownYear_ = months / 12;
  shownMonth_ = months % 12 + 1;
  RefreshMonth();
}

void TfrClock::resizeEvent(QResizeEvent* event) {
  TSnapInPanel::resizeEvent(event);
  for (QWidget* panel : {pnStandard_, pnCompact_, pnMonth_, pnUserDef_}) {
    panel->resize(width(), panel->height());
  }
}

void TfrClock::FitChildren(QObject* resized) {
  if (resized == pnClock_) {
    const int x = (pnClock_->width() - imTolvexClock_->width()) / 2;
    imTolvexClock_->move(x, imTolvexClock_->y());
    txTime_->move(x + 7, txTime_->y());
    txWeekday_->move(x + 11, txWeekday_->y());
    txDay_->move(x + 11, txDay_->y());
  } else if (resized == pnCompact_) {
    for (QLabel* label : {txCompactDate_, txCompactTime_}) {
      label->resize(pnCompact_->width() - 2, label->height());
    }
  } else if (resized == pnMonth_) {
    pnMonthTop_->resize(pnMonth_->width(), pnMonthTop_->height());
    pbMonth_->resize(pnMonth_->width(), pbMonth_->height());
  } else if (resized == pnMonthTop_) {
    for (QWidget* part :
         {static_cast<QWidget*>(txMonthTime_), static_cast<QWidget*>(bvMonthLine_)}) {
      part->resize(pnMonthTop_->width() - 2, part->height());
    }
    txMonth_->resize(pnMonthTop_->width() - txMonth_->x(), txMonth_->height());
  } else if (resized == pnUserDef_) {
    for (QLabel* label : txUserDef_) label->resize(pnUserDef_->width() - 2, label->height());
  }
}

void TfrClock::Watch(QWidget* widget) {
  widget->installEventFilter(this);
}

bool TfrClock::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
      DoubleClick();
      return true;
    case QEvent::ContextMenu:
      ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    case QEvent::Resize:
      FitChildren(watched);
      break;
    default:
      break;
  }
  return TSnapInPanel::eventFilter(watched, event);
}

void TfrClock::ShowContextMenu(const QPoint& globalPos) {
  pmClock_->popup(globalPos);
}

void TfrClock::DoubleClick() {
  switch (
      Host().ConfigFile().ReadInteger(clock_keys::kSection, clock_keys::kDblClickAction, dcNone)) {
    case dcDateTimeSettings:
      acDatumUhrzeitAendern_->trigger();
      break;
    case dcSynchronise:
      acZeitSynchronisieren_->trigger();
      break;
    case dcYearCalendar:
      acJahreskalender_->trigger();
      break;
    case dcNextLayout:
      ApplyLayout(layout_ >= loStandard && layout_ < loUserDefined ? layout_ + 1 : loStandard);
      break;
    default:
      break;
  }
}

void TfrClock::ChangeDateTime() {
  platform::StartDateTimeSettings();
}

void TfrClock::SynchroniseWithMessages() {
  Synchronise(timeClient_, true, this);
}

void TfrClock::ShowYearCalendar() {
  const bool first = calendar_ == nullptr;
  const auto place = [this] {
    const QRect bar = Host().Bar().window()->frameGeometry();
    calendar_->move(
        PullBackFromRightBottom(bar.topLeft() + QPoint(bar.width(), 0), OuterSize(*calendar_)));
  };
  if (first) {
    calendar_ = new TwTolvexCalendar(this);
    place();
  }
  calendar_->show();
  // Once shown, the window may know its frame, which counts in its size.
  if (first) place();
  calendar_->raise();
  calendar_->activateWindow();
}

void TfrClock::ShowSettings() {
  TwTolvexClockSettings dialog(this, Host().ConfigFile());
  connect(&dialog, &TwTolvexClockSettings::Saved, this, &TfrClock::LoadSettings);
  dialog.move(PullBackFromRightBottom(mapToGlobal(QPoint(width(), 0)), OuterSize(dialog)));
  dialog.Execute();
}

void TfrClock::RasConnected(std::uint32_t handle) {
  if (handle == lastConnection_) return;
  lastConnection_ = handle;
  Synchronise(timeClient_, false, this);
}

bool TfrClock::RasWatchEnabled() const {
  return rnRASNotify_->Enabled();
}

void TfrClock::RasDisconnected() {
  lastConnection_ = 0;
}

}  // namespace tolvex

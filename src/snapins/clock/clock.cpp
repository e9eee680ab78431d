// The clock panel's construction: controls, pictures, actions and menu.
#include "snapins/clock/clock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>

#include "controls/action.h"
#include "controls/button.h"
#include "controls/image_list.h"
#include "snapins/clock/clock_artwork.h"
#include "snapins/clock/clock_font.h"
#include "snapins/clock/clock_month.h"
#include "snapins/clock/moon.h"
#include "snapins/dialup/ras_notify.h"

namespace tolvex {

namespace {

constexpr int kStandardHeight = 65;
constexpr int kCompactHeight = 32;
constexpr int kMonthHeight = 96;
constexpr int kMonthTopHeight = 38;
constexpr int kMonthDaysHeight = 56;
constexpr int kMoonPanelWidth = 34;
constexpr int kLineHeight = 13;

void SetBold(QLabel& label) {
  QFont font = label.font();
  font.setBold(true);
  label.setFont(font);
}

QFrame* AddPanel(QWidget* parent, const char* name, int height) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->resize(parent->width(), height);
  return panel;
}

}  // namespace

TfrClock::TfrClock(ISnapInHost& host) : TSnapInPanel(host) {
  setObjectName(QStringLiteral("frClock"));
  setFont(ClockFont(font(), 11));
  resize(host.Bar().width(), kFormHeight);
  CreateActions();
  CreateMenu();
  CreateStandard();
  CreateCompact();
  CreateMonth();
  CreateUserDefined();
  StackLayouts(pnStandard_);
  Watch(this);
  for (QWidget* child : findChildren<QWidget*>()) {
    if (qobject_cast<TrButton*>(child) == nullptr && qobject_cast<QMenu*>(child) == nullptr) {
      Watch(child);
    }
  }
  rnRASNotify_ = new TRASNotify(this);
  rnRASNotify_->SetEnabled(false);
  rnRASNotify_->SetPollInterval(2000);
  rnRASNotify_->Loaded();
  connect(rnRASNotify_, &TRASNotify::OnConnected, this,
          [this](TRASNotify*, std::uint32_t hConn) { RasConnected(hConn); });
  connect(rnRASNotify_, &TRASNotify::OnDisconnected, this, [this] { RasDisconnected(); });
  tiTimer_.setInterval(1000);
  // Whole-second timers of the bar wake it together, once a second.
  tiTimer_.setTimerType(Qt::VeryCoarseTimer);
  connect(&tiTimer_, &QTimer::timeout, this, &TfrClock::Tick);
  tiTimer_.start();
}

void TfrClock::CreateActions() {
  ilImages_ = new TtxImageList(QSize(16, 16), this);
  for (TClockImage image : {ciChangeDateTime, ciSynchronise, ciMoonphase, ciYearCalendar}) {
    ilImages_->Add(ClockActionImage(image));
  }
  alActions_ = new TtxActionList(this);
  alActions_->SetImages(ilImages_);
  const auto add = [this](const char* name, const QString& caption, int image) {
    auto* action = new TtxAction(caption, alActions_);
    action->setObjectName(QLatin1String(name));
    action->SetImageIndex(image);
    return action;
  };
  acDatumUhrzeitAendern_ =
      add("acDatumUhrzeitAendern", QStringLiteral("&Datum/Uhrzeit ändern..."), ciChangeDateTime);
  acZeitSynchronisieren_ =
      add("acZeitSynchronisieren", QStringLiteral("&Zeit synchronisieren"), ciSynchronise);
  acJahreskalender_ = add("acJahreskalender", QStringLiteral("&Jahreskalender..."), ciYearCalendar);
  acMondphase_ = add("acMondphase", QStringLiteral("&Mondphase"), ciMoonphase);
  acMondphase_->setCheckable(true);
  acOptions_ = add("acOptions", QStringLiteral("&Eigenschaften..."), -1);
  acLayouts_ = {add("acLayoutStandard", QStringLiteral("&Standard"), -1),
                add("acLayoutCompact", QStringLiteral("&Kompakt"), -1),
                add("acLayoutMonth", QStringLiteral("&Monatsansicht"), -1),
                add("acLayoutUserDefined", QStringLiteral("&Benutzerdefiniert"), -1)};
  connect(acDatumUhrzeitAendern_, &QAction::triggered, this, &TfrClock::ChangeDateTime);
  connect(acZeitSynchronisieren_, &QAction::triggered, this, &TfrClock::SynchroniseWithMessages);
  connect(acJahreskalender_, &QAction::triggered, this, &TfrClock::ShowYearCalendar);
  connect(acMondphase_, &QAction::triggered, this,
          [this] { pnMondphase_->setVisible(acMondphase_->isChecked()); });
  connect(acOptions_, &QAction::triggered, this, &TfrClock::ShowSettings);
  for (int layout = 0; layout < 4; ++layout) {
    acLayouts_[layout]->setCheckable(true);
    connect(acLayouts_[layout], &QAction::triggered, this, [this, layout] { ApplyLayout(layout); });
  }
}

void TfrClock::CreateMenu() {
  pmClock_ = new QMenu(this);
  pmClock_->setObjectName(QStringLiteral("pmClock"));
  pmClock_->addActions(
      {acDatumUhrzeitAendern_, acZeitSynchronisieren_, acJahreskalender_, acMondphase_});
  pmClock_->addSeparator();
  QMenu* view = pmClock_->addMenu(QStringLiteral("&Ansicht"));
  for (TtxAction* action : acLayouts_) view->addAction(action);
  pmClock_->addAction(QStringLiteral("&Optionen..."), acOptions_, &QAction::trigger);
  pmClock_->addSeparator();
}

QLabel* TfrClock::AddLabel(QWidget* parent, const char* name, int x, int y, int width, int height) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(x, y, width, height);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

void TfrClock::CreateStandard() {
  pnStandard_ = AddPanel(this, "pnStandard", kStandardHeight);
  auto* row = new QHBoxLayout(pnStandard_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  pnClock_ = new QFrame(pnStandard_);
  pnClock_->setObjectName(QStringLiteral("pnClock"));
  row->addWidget(pnClock_, 1);
  pnMondphase_ = new QFrame(pnStandard_);
  pnMondphase_->setObjectName(QStringLiteral("pnMondphase"));
  pnMondphase_->setFixedWidth(kMoonPanelWidth);
  QPalette night = pnMondphase_->palette();
  night.setColor(QPalette::Window, Qt::black);
  pnMondphase_->setPalette(night);
  pnMondphase_->setAutoFillBackground(true);
  pnMondphase_->hide();
  row->addWidget(pnMondphase_);

  imTolvexClock_ = AddLabel(pnClock_, "imTolvexClock", 1, 1, 64, 64);
  imTolvexClock_->setPixmap(CalendarSheetPicture());
  txTime_ = AddLabel(pnClock_, "txTime", 8, 5, 50, 13);
  QPalette yellow = txTime_->palette();
  yellow.setColor(QPalette::WindowText, Qt::yellow);
  txTime_->setPalette(yellow);
  txWeekday_ = AddLabel(pnClock_, "txWeekday", 12, 24, 32, 13);
  txDay_ = AddLabel(pnClock_, "txDay", 12, 34, 32, 24);
  txDay_->setFont(ClockFont(font(), 19));

  moon_ = new TMoon(pnMondphase_);
  moon_->setObjectName(QStringLiteral("Moon"));
  moon_->SetMoonSize(TMoonSize::ms32);
  moon_->move(1, 33);
}

void TfrClock::CreateCompact() {
  pnCompact_ = AddPanel(this, "pnCompact", kCompactHeight);
  txCompactDate_ = AddLabel(pnCompact_, "txCompactDate", 1, 3, width() - 2, kLineHeight);
  txCompactTime_ = AddLabel(pnCompact_, "txCompactTime", 1, 16, width() - 2, kLineHeight);
  SetBold(*txCompactTime_);
}

void TfrClock::CreateMonth() {
  pnMonth_ = AddPanel(this, "pnMonth", kMonthHeight);
  pnMonthTop_ = AddPanel(pnMonth_, "pnMonthTop", kMonthTopHeight);
  txMonthTime_ = AddLabel(pnMonthTop_, "txMonthTime", 1, 2, width() - 2, kLineHeight);
  SetBold(*txMonthTime_);
  bvMonthLine_ = new QFrame(pnMonthTop_);
  bvMonthLine_->setObjectName(QStringLiteral("bvMonthLine"));
  bvMonthLine_->setFrameShape(QFrame::HLine);
  bvMonthLine_->setFrameShadow(QFrame::Sunken);
  bvMonthLine_->setGeometry(1, 16, width() - 2, 2);
  btPrevMonth_ = new TrButton(pnMonthTop_);
  btPrevMonth_->setObjectName(QStringLiteral("btPrevMonth"));
  btPrevMonth_->setGeometry(1, 21, 11, 15);
  btPrevMonth_->SetPicture(MonthArrowPicture(false));
  btNextMonth_ = new TrButton(pnMonthTop_);
  btNextMonth_->setObjectName(QStringLiteral("btNextMonth"));
  btNextMonth_->setGeometry(12, 21, 11, 15);
  btNextMonth_->SetPicture(MonthArrowPicture(true));
  connect(btPrevMonth_, &TrButton::Clicked, this, [this] { StepMonth(-1); });
  connect(btNextMonth_, &TrButton::Clicked, this, [this] { StepMonth(1); });
  txMonth_ = AddLabel(pnMonthTop_, "txMonth", 26, 22, width() - 27, kLineHeight);
  txMonth_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pbMonth_ = new TClockMonthView(pnMonth_);
  pbMonth_->setObjectName(QStringLiteral("pbMonth"));
  pbMonth_->setGeometry(0, kMonthHeight - kMonthDaysHeight, width(), kMonthDaysHeight);
}

void TfrClock::CreateUserDefined() {
  pnUserDef_ = AddPanel(this, "pnUserDef", 3 * kLineHeight + 7);
  const char* names[] = {"txUserDef1", "txUserDef2", "txUserDef3"};
  const int tops[] = {3, 16, 30};
  for (int i = 0; i < 3; ++i) {
    txUserDef_[i] = AddLabel(pnUserDef_, names[i], 1, tops[i], width() - 2, kLineHeight);
  }
}

}  // namespace tolvex

// TfrClock, the clock snap-in panel: time and date in one of four layouts
// (standard with tear-off sheet and moon phase, compact, month view,
// user-defined lines), setting the clock from a time server, and the
// desktop's date and time settings.
#pragma once

#include <QFrame>
#include <QTimer>
#include <array>
#include <cstdint>

#include "app/snapin_panel.h"
#include "shared/date_time.h"
#include "snapins/clock/clock_settings.h"
#include "snapins/clock/time_client.h"

class QLabel;
class QMenu;

namespace tolvex {

class TClockMonthView;
class TMoon;
class TRASNotify;
class TrButton;
class TtxAction;
class TtxActionList;
class TtxImageList;
class TwTolvexCalendar;

class TfrClock : public TSnapInPanel {
  Q_OBJECT

 public:
  // The layouts of "Layout".
  enum TLayout : int { loStandard = 0, loCompact = 1, loMonth = 2, loUserDefined = 3 };
  // The height of the panel before Start, with every layout panel showing.
  static constexpr int kFormHeight = 384;

  explicit TfrClock(ISnapInHost& host);

  void Start() override;
  // Writes "Moonphase".
  void SaveSettings() override;

  // Reads every key and refreshes the display; the settings dialog calls it
  // after writing them.
  void LoadSettings();
  // Shows layout `layout` (0..3) and writes it to "Layout"; any other value
  // is only written.
  void ApplyLayout(int layout);
  int Layout() const { return layout_; }

  // The events of the dial-up watcher: a connection that comes up with a
  // handle not seen last time synchronises the clock silently.
  void RasConnected(std::uint32_t handle);
  void RasDisconnected();
  std::uint32_t LastConnection() const { return lastConnection_; }
  // Whether the dial-up watcher is to report connections ("SyncOnRasConnect").
  bool RasWatchEnabled() const;

  // One tick of the clock's timer: the time, and the date when it changed.
  void Tick();

  // The client Synchronise uses; its host is "TimeServer".
  TIdTime& TimeClient() { return timeClient_; }

  // The year calendar window once it has been opened, else nullptr.
  TwTolvexCalendar* YearCalendar() const { return calendar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateActions();
  void CreateMenu();
  void CreateStandard();
  void CreateCompact();
  void CreateMonth();
  void CreateUserDefined();
  QLabel* AddLabel(QWidget* parent, const char* name, int x, int y, int width, int height);
  // The context menu and the double click on `widget`.
  void Watch(QWidget* widget);

  void RefreshTime();
  void RefreshDate();
  void RefreshMonth();
  void StepMonth(int step);
  void StackLayouts(QWidget* top);
  // Follows a new size of one of the layout panels or their parts.
  void FitChildren(QObject* resized);
  void DoubleClick();
  void ShowContextMenu(const QPoint& globalPos);

  void ChangeDateTime();
  void SynchroniseWithMessages();
  // The year calendar window and the settings dialog join here.
  void ShowYearCalendar();
  void ShowSettings();

  TDateTime storedDate_ = 0;
  std::uint32_t lastConnection_ = 0;
  int layout_ = loStandard;
  int shownMonth_ = 1;
  int shownYear_ = 1;
  std::array<TUserDefLine, 3> lines_;
  bool syncOnStart_ = false;
  TIdTime timeClient_;
  // Reports dial-up connections that come up; enabled by "SyncOnRasConnect".
  TRASNotify* rnRASNotify_;
  // Created on first use, owned by the panel.
  TwTolvexCalendar* calendar_ = nullptr;

  TtxImageList* ilImages_;
  TtxActionList* alActions_;
  TtxAction* acDatumUhrzeitAendern_;
  TtxAction* acZeitSynchronisieren_;
  TtxAction* acJahreskalender_;
  TtxAction* acMondphase_;
  TtxAction* acOptions_;
  std::array<TtxAction*, 4> acLayouts_;
  QMenu* pmClock_;

  QFrame* pnStandard_;
  QFrame* pnClock_;
  QFrame* pnMondphase_;
  QLabel* imTolvexClock_;
  QLabel* txTime_;
  QLabel* txWeekday_;
  QLabel* txDay_;
  TMoon* moon_;
  QFrame* pnCompact_;
  QLabel* txCompactDate_;
  QLabel* txCompactTime_;
  QFrame* pnMonth_;
  QFrame* pnMonthTop_;
  QLabel* txMonthTime_;
  QFrame* bvMonthLine_;
  TrButton* btPrevMonth_;
  TrButton* btNextMonth_;
  QLabel* txMonth_;
  TClockMonthView* pbMonth_;
  QFrame* pnUserDef_;
  std::array<QLabel*, 3> txUserDef_;
  QTimer tiTimer_;
};

}  // namespace tolvex

// The dial-up connection watcher on the simulated service: which polls report
// which connections, the enumeration's retry, the poll interval's range, the
// switch on and off, and the errors of the service.
#include <gtest/gtest.h>

#include <QTimer>
#include <memory>
#include <vector>

#include "platform/sim/sim_dial_up.h"
#include "snapins/dialup/ras_notify.h"
#include "support/qt_printers.h"

namespace tolvex {
namespace {

using platform::kStateConnected;
using platform::kStateDisconnected;
using platform::kStateOpenPort;

struct Event {
  char kind;  // 'c' connected, 'd' disconnected, 'e' enable, 'x' disable
  std::uint32_t handle = 0;
  QString entry;
  bool operator==(const Event&) const = default;
};

void PrintTo(const Event& event, std::ostream* out) {
  *out << event.kind << ' ' << event.handle << ' ' << event.entry.toStdString();
}

class RasNotifyTest : public ::testing::Test {
 protected:
  RasNotifyTest() {
    auto service = std::make_unique<platform::sim::SimDialUp>();
    sim = service.get();
    platform::SetDialUp(std::move(service));
    QObject::connect(&watcher, &TRASNotify::OnConnected,
                     [this](TRASNotify* sender, std::uint32_t handle, const QString& entry,
                            const QString& deviceType, const QString& deviceName) {
                       EXPECT_EQ(sender, &watcher);
                       EXPECT_EQ(deviceType, "modem");
                       EXPECT_EQ(deviceName, "Modem");
                       events.push_back({'c', handle, entry});
                     });
    QObject::connect(&watcher, &TRASNotify::OnDisconnected,
                     [this](TRASNotify*, std::uint32_t handle) {
                       events.push_back({'d', handle, {}});
                     });
    QObject::connect(&watcher, &TRASNotify::OnEnable, [this](TRASNotify*) {
      events.push_back({'e', 0, {}});
    });
    QObject::connect(&watcher, &TRASNotify::OnDisable, [this](TRASNotify*) {
      events.push_back({'x', 0, {}});
    });
  }
  ~RasNotifyTest() override { platform::SetDialUp(nullptr); }

  QTimer* Timer() { return watcher.findChild<QTimer*>(); }

  platform::sim::SimDialUp* sim = nullptr;
  TRASNotify watcher;
  std::vector<Event> events;
};

TEST_F(RasNotifyTest, NoConnectionsReportNothing) {
  watcher.Loaded();
  ASSERT_NE(Timer(), nullptr);
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 2000);
  watcher.Poll();
  watcher.Poll();
  EXPECT_TRUE(events.empty());
}

// A connection that is up when the watcher starts reports only its end: with
// the gone handle when the service no longer knows it, else with its handle.
TEST_F(RasNotifyTest, ConnectionUpAtStartReportsOnlyItsEnd) {
  for (const bool removed : {true, false}) {
    SCOPED_TRACE(removed ? "removed" : "disconnected");
    events.clear();
    TRASNotify watcherOfCase;
    QObject::connect(&watcherOfCase, &TRASNotify::OnConnected,
                     [this](TRASNotify*, std::uint32_t handle, const QString& entry, const QString&,
                            const QString&) {
                       events.push_back({'c', handle, entry});
                     });
    QObject::connect(&watcherOfCase, &TRASNotify::OnDisconnected,
                     [this](TRASNotify*, std::uint32_t handle) {
                       events.push_back({'d', handle, {}});
                     });
    const std::uint32_t handle = sim->AddConnection("Büro", kStateConnected);
    watcherOfCase.Loaded();
    watcherOfCase.Poll();
    EXPECT_TRUE(events.empty());
    if (removed)
      sim->RemoveConnection(handle);
    else
      sim->SetState(handle, kStateDisconnected);
    watcherOfCase.Poll();
    watcherOfCase.Poll();
    const Event expected{'d', removed ? TRASNotify::kGoneHandle : handle, {}};
    EXPECT_EQ(events, std::vector<Event>{expected});
    sim->RemoveConnection(handle);
  }
}

TEST_F(RasNotifyTest, ConnectionDialledWhileWatchingReportsOnceWhenUp) {
  watcher.Loaded();
  const std::uint32_t handle = sim->AddConnection("Provider", kStateOpenPort);
  watcher.Poll();
  sim->SetState(handle, platform::kStateAuthenticate);
  watcher.Poll();
  EXPECT_TRUE(events.empty());
  sim->SetState(handle, kStateConnected);
  watcher.Poll();
  watcher.Poll();
  EXPECT_EQ(events, (std::vector<Event>{{'c', handle, "Provider"}}));
}

TEST_F(RasNotifyTest, NewConnectionAlreadyUpReportsAfterKnownChanges) {
  const std::uint32_t first = sim->AddConnection("Eins", kStateConnected);
  watcher.Loaded();
  sim->SetState(first, kStateDisconnected);
  const std::uint32_t second = sim->AddConnection("Zwei", kStateConnected);
  watcher.Poll();
  EXPECT_EQ(events, (std::vector<Event>{{'d', first, {}}, {'c', second, "Zwei"}}));
}

TEST_F(RasNotifyTest, SeventeenConnectionsAreEnumeratedWithASecondCall) {
  std::vector<std::uint32_t> handles;
  for (int i = 0; i < 16; ++i) handles.push_back(sim->AddConnection("Alt", kStateConnected));
  watcher.Loaded();
  handles.push_back(sim->AddConnection("Neu", kStateConnected));
  const int callsBefore = sim->EnumConnectionsCalls();
  watcher.Poll();
  EXPECT_EQ(sim->EnumConnectionsCalls() - callsBefore, 2);
  EXPECT_EQ(events, (std::vector<Event>{{'c', handles.back(), "Neu"}}));
  events.clear();
  watcher.Poll();
  EXPECT_TRUE(events.empty());
}

TEST_F(RasNotifyTest, PollIntervalKeepsItsRange) {
  watcher.Loaded();
  struct Case {
    int value;
    int expected;
  };
  for (const Case& c : {Case{100, 2000}, Case{70000, 2000}, Case{200, 200}, Case{60000, 60000},
                        Case{199, 60000}, Case{60001, 60000}}) {
    watcher.SetPollInterval(c.value);
    EXPECT_EQ(watcher.PollInterval(), c.expected) << c.value;
    EXPECT_EQ(Timer()->interval(), c.expected) << c.value;
  }
}

TEST_F(RasNotifyTest, DisablingAndEnablingForgetsTheConnections) {
  watcher.Loaded();
  watcher.SetEnabled(false);
  EXPECT_FALSE(Timer()->isActive());
  const std::uint32_t handle = sim->AddConnection("Zwischendurch", kStateOpenPort);
  sim->SetState(handle, kStateConnected);
  watcher.SetEnabled(true);
  EXPECT_TRUE(Timer()->isActive());
  watcher.Poll();
  EXPECT_EQ(events, (std::vector<Event>{{'x', 0, {}}, {'e', 0, {}}}));
  watcher.SetEnabled(true);
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(RasNotifyTest, WatcherOffWhenLoadedKeepsItsTimerStill) {
  watcher.SetEnabled(false);
  const std::uint32_t handle = sim->AddConnection("Vorher", kStateConnected);
  watcher.Loaded();
  EXPECT_FALSE(Timer()->isActive());
  watcher.SetEnabled(true);
  sim->RemoveConnection(handle);
  watcher.Poll();
  EXPECT_EQ(events,
            (std::vector<Event>{{'x', 0, {}}, {'e', 0, {}}, {'d', TRASNotify::kGoneHandle, {}}}));
}

TEST_F(RasNotifyTest, ServiceErrorsAreRaisedWithTheirCode) {
  watcher.Loaded();
  struct Case {
    bool status;
    std::uint32_t code;
    const char* message;
  };
  const std::uint32_t handle = sim->AddConnection("Fehler", kStateConnected);
  watcher.Poll();
  events.clear();
  for (const Case& c : {
           Case{false, 8, "Not enough memory to complete operation"},
           Case{false, 603, "Not enough memory to complete operation"},
           Case{false, 5, "Could not enumerate connections.\r\nError Code 5"},
           Case{true, 87, "Could not enumerate connections.\r\nError Code 87"},
       }) {
    SCOPED_TRACE(c.message);
    if (c.status)
      sim->FailConnectStatus(c.code);
    else
      sim->FailEnumConnections(c.code);
    try {
      watcher.Poll();
      ADD_FAILURE() << "no error";
    } catch (const EtxError& error) {
      EXPECT_EQ(error.Message(), c.message);
      EXPECT_EQ(dynamic_cast<const EOutOfMemory*>(&error) != nullptr,
                QString(c.message).startsWith("Not enough"));
    }
    EXPECT_TRUE(Timer()->isActive());
    sim->FailConnectStatus(std::nullopt);
    sim->FailEnumConnections(std::nullopt);
  }
  // The known list survived the failed polls: the drop is reported once.
  sim->RemoveConnection(handle);
  watcher.Poll();
  EXPECT_EQ(events, (std::vector<Event>{{'d', TRASNotify::kGoneHandle, {}}}));
}

TEST_F(RasNotifyTest, ErrorWhileEnablingLeavesTheWatcherOff) {
  watcher.Loaded();
  watcher.SetEnabled(false);
  sim->FailEnumConnections(1);
  EXPECT_THROW(watcher.SetEnabled(true), ERASNotifyError);
  EXPECT_FALSE(watcher.Enabled());
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(RasNotifyTest, HandlerThatSwitchesTheWatcherOffEndsThePoll) {
  const std::uint32_t first = sim->AddConnection("Eins", kStateConnected);
  sim->AddConnection("Zwei", kStateConnected);
  watcher.Loaded();
  QObject::connect(&watcher, &TRASNotify::OnDisconnected,
                   [this](TRASNotify*, std::uint32_t) { watcher.SetEnabled(false); });
  sim->RemoveConnection(first);
  sim->AddConnection("Drei", kStateConnected);
  watcher.Poll();
  EXPECT_EQ(events, (std::vector<Event>{{'d', TRASNotify::kGoneHandle, {}}, {'x', 0, {}}}));
}

}  // namespace
}  // namespace tolvex

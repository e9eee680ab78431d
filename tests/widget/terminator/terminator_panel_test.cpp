// The shutdown panel: its buttons in a local and a remote session, the
// context menu, the modes, the steps of each action and the messages, the
// lock keys, and closing the bar after a successful request.
#include <QMenu>
#include <QTest>

#include "controls/action.h"
#include "controls/button.h"
#include "support/qt_printers.h"
#include "terminator_fixture.h"

namespace tolvex::test {
namespace {

using platform::LockKey;
using Calls = std::vector<std::string>;

QStringList MenuTexts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    texts << (action->isSeparator() ? QString("-") : action->text());
  }
  return texts;
}

TEST_F(TerminatorTest, LocallyTheFourSessionButtonsShowAndTheDisconnectButtonHides) {
  TfrTerminator& panel = Panel();
  EXPECT_EQ(panel.height(), 24);
  const std::vector<std::pair<TrButton*, int>> shown = {{panel.btShutdown(), 1},
                                                        {panel.btReboot(), 23},
                                                        {panel.btLogOff(), 45},
                                                        {panel.btForceShutdown(), 67}};
  for (const auto& [button, x] : shown) {
    EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
    EXPECT_EQ(button->geometry(), QRect(x, 1, 22, 22)) << button->objectName().toStdString();
    EXPECT_TRUE(button->Caption().isEmpty());
  }
  EXPECT_FALSE(panel.btDisconnect()->isVisible());
  EXPECT_FALSE(panel.acDisconnect()->isVisible());
  EXPECT_TRUE(panel.acForceShutdown()->isVisible());
  EXPECT_EQ(panel.btForceShutdown()->Hint(),
            "Alle Netzwerkverbindungen trennen und Windows zwangsweise herunterfahren");
  EXPECT_EQ(MenuTexts(*panel.pmTerminator()),
            (QStringList{"&Windows herunterfahren", "Windows neu &starten", "Neu &anmelden",
                         "&Notfall-Abschaltung", "Trennen", "-", "&Einstellungen...", "-",
                         "&tolvexBar"}));
}

TEST_F(TerminatorTest, InARemoteSessionTheDisconnectButtonTakesTheEmergencyButtonsPlace) {
  session_->SetRemote(true);
  TfrTerminator& panel = Panel();
  EXPECT_TRUE(panel.btDisconnect()->isVisible());
  EXPECT_EQ(panel.btDisconnect()->geometry(), QRect(67, 1, 22, 22));
  EXPECT_TRUE(panel.acDisconnect()->isVisible());
  EXPECT_FALSE(panel.btForceShutdown()->isVisible());
  EXPECT_FALSE(panel.acForceShutdown()->isVisible());
}

TEST_F(TerminatorTest, ALockedActionIsDisabledWithItsButtonAndMenuEntry) {
  Mode(1, 2);
  Mode(3, 7);  // an unknown mode asks first but stays usable
  TfrTerminator& panel = Panel();
  EXPECT_FALSE(panel.acShutdown()->isEnabled());
  EXPECT_FALSE(panel.btShutdown()->isEnabled());
  EXPECT_TRUE(panel.acReboot()->isEnabled());
  EXPECT_TRUE(panel.acLogOff()->isEnabled());

  // A click on the disabled button does nothing.
  QTest::mouseClick(panel.btShutdown(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(session_->Calls().empty());

  // The modes are read anew: a lock set after the refresh still holds.
  Mode(2, 2);
  Run(panel.acReboot());
  EXPECT_TRUE(session_->Calls().empty());
  panel.RefreshModes();
  EXPECT_FALSE(panel.btReboot()->isEnabled());

  Run(panel.acLogOff(), mrNo);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Wollen Sie sich wirklich neu anmelden?");
  EXPECT_TRUE(session_->Calls().empty());
}

struct ActionCase {
  const char* name;
  TtxAction* (TfrTerminator::*action)() const;
  bool remote;
  Calls calls;
  bool closesBar;
};

void PrintTo(const ActionCase& row, std::ostream* out) {
  *out << row.name;
}

class TerminatorActions : public TerminatorTest,
                          public ::testing::WithParamInterface<ActionCase> {};

TEST_P(TerminatorActions, WithoutAskingEachActionMakesItsRequestAndClosesTheBarOnSuccess) {
  const ActionCase& row = GetParam();
  session_->SetRemote(row.remote);
  TfrTerminator& panel = Panel();
  Run((panel.*row.action)());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(session_->Calls(), row.calls);
  EXPECT_EQ(Bar().closeRequests, row.closesBar ? 1 : 0);
}

// A request the system refuses leaves the bar open and says nothing.
TEST_P(TerminatorActions, ARefusedRequestLeavesTheBarOpenWithoutAMessage) {
  const ActionCase& row = GetParam();
  session_->SetRemote(row.remote);
  session_->SetRequestsSucceed(false);
  Run((Panel().*row.action)());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(session_->Calls(), row.calls);
  EXPECT_EQ(Bar().closeRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TerminatorActions,
    ::testing::Values(ActionCase{"Shutdown",
                                 &TfrTerminator::acShutdown,
                                 false,
                                 {"privilege power-off", "request power-off"},
                                 true},
                      ActionCase{"Reboot",
                                 &TfrTerminator::acReboot,
                                 false,
                                 {"privilege reboot", "request reboot"},
                                 true},
                      ActionCase{
                          "LogOff", &TfrTerminator::acLogOff, false, {"request log-off"}, true},
                      // No network drives: straight on to the forced power off.
                      ActionCase{"ForceShutdown",
                                 &TfrTerminator::acForceShutdown,
                                 false,
                                 {"privilege forced-power-off", "request forced-power-off"},
                                 true},
                      ActionCase{"Disconnect",
                                 &TfrTerminator::acDisconnect,
                                 true,
                                 {"privilege disconnect", "request disconnect"},
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TerminatorTest, AButtonClickRunsItsAction) {
  QTest::mouseClick(Panel().btReboot(), Qt::LeftButton, {}, QPoint(10, 10));
  QCoreApplication::processEvents();
  EXPECT_EQ(session_->Calls(), (Calls{"privilege reboot", "request reboot"}));
  EXPECT_EQ(Bar().closeRequests, 1);
}

TEST_F(TerminatorTest, AskingFirstGoesOnOnlyOnYes) {
  Mode(2, 1);
  TfrTerminator& panel = Panel();
  Run(panel.acReboot(), mrNo);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(messages[0].headline, "Windows beenden");
  EXPECT_EQ(messages[0].text, "Wollen Sie Windows wirklich neu starten?");
  EXPECT_TRUE(session_->Calls().empty());
  EXPECT_EQ(Bar().closeRequests, 0);

  Run(panel.acReboot(), mrYes);
  EXPECT_EQ(session_->Calls(), (Calls{"privilege reboot", "request reboot"}));
  EXPECT_EQ(Bar().closeRequests, 1);
}

TEST_F(TerminatorTest, ARefusedPrivilegeShowsItsMessageAndNothingElse) {
  session_->SetPrivilegeGranted(false);
  session_->SetNetworkDrives({"//server/daten"});
  TfrTerminator& panel = Panel();
  for (QAction* action :
       {static_cast<QAction*>(panel.acShutdown()), static_cast<QAction*>(panel.acReboot()),
        static_cast<QAction*>(panel.acForceShutdown())}) {
    messages.clear();
    session_->ClearCalls();
    Run(action);
    ASSERT_EQ(messages.size(), 1u) << action->text().toStdString();
    EXPECT_EQ(messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages[0].headline, "Keine Privilegien.");
    EXPECT_EQ(messages[0].text,
              "Windows hat keine Privilegien für das Herunterfahren des Systemes erteilt.");
    ASSERT_EQ(session_->Calls().size(), 1u);
    EXPECT_TRUE(session_->Calls()[0].starts_with("privilege "));
  }
  EXPECT_EQ(Bar().closeRequests, 0);

  // Logging off needs no privilege.
  messages.clear();
  Run(panel.acLogOff());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Bar().closeRequests, 1);
}

TEST_F(TerminatorTest, TheEmergencyShutdownDropsTheNetworkDrivesFirst) {
  session_->SetNetworkDrives({"//server/daten", "//server/projekte"});
  Run(Panel().acForceShutdown());
  EXPECT_EQ(session_->Calls(), (Calls{"privilege forced-power-off", "drop-drive //server/daten",
                                      "drop-drive //server/projekte", "request forced-power-off"}));
  EXPECT_EQ(Bar().closeRequests, 1);
}

TEST_F(TerminatorTest, WhenTheDrivesCannotBeDroppedTheSystemIsNotShutDown) {
  session_->SetDrivesEnumerable(false);
  Run(Panel().acForceShutdown());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages[0].headline, "Trennen von Netzwerkresourcen.");
  EXPECT_EQ(messages[0].text, "Beim Trennen von Netzwerkresourcen ist ein Fehler aufgetreten.");
  EXPECT_EQ(session_->Calls(), (Calls{"privilege forced-power-off", "drop-drives no-list"}));
  EXPECT_EQ(Bar().closeRequests, 0);
}

TEST_F(TerminatorTest, TheLockKeysGoOffBeforeShuttingDownButNotBeforeRestarting) {
  Config("TolvexTerminator", "LightsOut", 1);
  session_->SetLockKey(LockKey::CapsLock, true);
  TfrTerminator& panel = Panel();
  Run(panel.acReboot());
  Run(panel.acLogOff());
  EXPECT_TRUE(session_->IsLockKeyOn(LockKey::CapsLock));

  session_->ClearCalls();
  Run(panel.acShutdown());
  EXPECT_FALSE(session_->IsLockKeyOn(LockKey::CapsLock));
  EXPECT_EQ(session_->Calls(),
            (Calls{"lock-key-off caps-lock", "privilege power-off", "request power-off"}));
}

TEST_F(TerminatorTest, AllLitLockKeysGoOffInTheirOrderBeforeTheEmergencyShutdownAndDisconnect) {
  Config("TolvexTerminator", "LightsOut", 1);
  for (bool remote : {false, true}) {
    for (LockKey key : {LockKey::NumLock, LockKey::CapsLock, LockKey::ScrollLock}) {
      session_->SetLockKey(key, true);
    }
    session_->SetRemote(remote);
    session_->ClearCalls();
    Run(remote ? Panel().acDisconnect() : Panel().acForceShutdown());
    const Calls calls(session_->Calls().begin(), session_->Calls().begin() + 3);
    EXPECT_EQ(calls, (Calls{"lock-key-off scroll-lock", "lock-key-off caps-lock",
                            "lock-key-off num-lock"}));
  }
}

TEST_F(TerminatorTest, WithoutLightsOutTheLockKeysStayOn) {
  session_->SetLockKey(LockKey::CapsLock, true);
  Run(Panel().acShutdown());
  EXPECT_TRUE(session_->IsLockKeyOn(LockKey::CapsLock));
  EXPECT_EQ(session_->Calls(), (Calls{"privilege power-off", "request power-off"}));
}

}  // namespace
}  // namespace tolvex::test

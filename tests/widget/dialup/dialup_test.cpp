// The dial-up panel and the bar's dial-up component on the simulated
// service: the panel's layout and pictures, the entry chosen at start, the
// questions before dialling and hanging up, the notices the bar forwards,
// and the component's hang-up and release of its connection.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>

#include "app/builtin_panels.h"
#include "app/dial_up_notices.h"
#include "app/element_controls.h"
#include "app/ini_file.h"
#include "app/ras_component.h"
#include "controls/action.h"
#include "controls/button.h"
#include "platform/sim/sim_dial_up.h"
#include "shared/message_dialog.h"
#include "snapins/dialup/dialup_artwork.h"
#include "snapins/dialup/dialup_panel.h"
#include "support/qt_printers.h"
#include "support/snapin_test_host.h"

namespace tolvex {
namespace {

using platform::kStateConnected;
using platform::kStateDisconnected;

class DialUpHost : public test::TSnapInTestHost {
 public:
  explicit DialUpHost(const QString& configFile) : TSnapInTestHost(configFile) {
    ForwardDialUpNotices(ras);
  }
};

// One shown message: its headline and text.
struct Shown {
  QString headline;
  QString message;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
  *out << shown.headline.toStdString() << " / " << shown.message.toStdString();
}

class DialUpTest : public ::testing::Test {
 protected:
  DialUpTest() : answer_([this](QDialog& dialog) { return Answer(dialog); }) {
    auto service = std::make_unique<platform::sim::SimDialUp>();
    sim = service.get();
    platform::SetDialUp(std::move(service));
    RegisterDialUpPanel();
  }
  ~DialUpTest() override {
    host.reset();
    ResetBuiltInPanels();
    RegisterBuiltInPanel(kDialUpSnapIn, {});
    platform::SetDialUp(nullptr);
  }

  // Places the panel on a new bar, as a build does.
  TfrDialup& Start() {
    host = std::make_unique<DialUpHost>(dir.filePath("tolvexbar.ini"));
    host->show();
    ResetBuiltInPanels();
    PlaceBuiltInPanel(*host, host->controls, kDialUpSnapIn, 26);
    auto* panel = dynamic_cast<TfrDialup*>(BuiltInPanel(kDialUpSnapIn));
    EXPECT_NE(panel, nullptr);
    return *panel;
  }

  QString LastEntry() { return host->config.ReadString("TolvexDialup", "LastEntry", "<none>"); }

  int Answer(QDialog& dialog) {
    shown.push_back({dialog.findChild<QLabel*>("txHeadline")->text(),
                     dialog.findChild<QLabel*>("txMessage")->text()});
    return answers.empty() ? int(mrOk) : std::exchange(answers, answers.mid(1)).front();
  }

  QTemporaryDir dir;
  platform::sim::SimDialUp* sim = nullptr;
  std::unique_ptr<DialUpHost> host;
  std::vector<Shown> shown;
  QList<int> answers;

 private:
  TScopedModalAnswer answer_;
};

TEST_F(DialUpTest, PanelPlacesItsButtonAtTheRightEdge) {
  sim->AddEntry("Büro");
  TfrDialup& panel = Start();
  EXPECT_EQ(panel.geometry(), QRect(0, 26, 104, 24));
  EXPECT_EQ(panel.btDial()->geometry(), QRect(81, 1, 22, 22));
  EXPECT_EQ(panel.cbConnections()->geometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(panel.cbConnections()->width(), 79);
  panel.resize(200, 24);
  EXPECT_EQ(panel.btDial()->x(), 177);
  EXPECT_EQ(panel.cbConnections()->width(), 175);
  EXPECT_EQ(panel.btDial()->ImageIndex(), diIdle);
  EXPECT_TRUE(panel.btDial()->isEnabled());
  const QList<QAction*> items = panel.pmDialup()->actions();
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items[0], panel.acDial());
  EXPECT_EQ(items[1], panel.acProperties());
  EXPECT_TRUE(items[2]->isSeparator());
  EXPECT_EQ(items[3]->text(), "&tolvexBar");
}

TEST_F(DialUpTest, WithoutEntriesTheButtonIsOffAndDialDoesNothing) {
  TfrDialup& panel = Start();
  EXPECT_EQ(panel.cbConnections()->count(), 0);
  EXPECT_EQ(panel.btDial()->ImageIndex(), diNoEntries);
  EXPECT_FALSE(panel.btDial()->isEnabled());
  panel.acDial()->trigger();
  panel.acProperties()->trigger();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(sim->ConnectionCount(), 0u);
}

TEST_F(DialUpTest, StartSelectsTheLastEntryWhenItStillExists) {
  for (const char* entry : {"Eins", "Zwei", "Drei"}) sim->AddEntry(entry);
  struct Case {
    const char* stored;
    const char* selected;
  };
  for (const Case& c : {Case{nullptr, "Eins"}, Case{"Zwei", "Zwei"}, Case{"Drei", "Drei"},
                        Case{"Vier", "Eins"}, Case{"", "Eins"}}) {
    SCOPED_TRACE(c.stored ? c.stored : "<none>");
    QFile::remove(dir.filePath("tolvexbar.ini"));
    if (c.stored != nullptr) {
      TtxIniFile(dir.filePath("tolvexbar.ini")).WriteString("TolvexDialup", "LastEntry", c.stored);
    }
    TfrDialup& panel = Start();
    EXPECT_EQ(panel.cbConnections()->currentText(), c.selected);
  }
}

TEST_F(DialUpTest, PanelListsAtMostFiftyEntries) {
  for (int i = 1; i <= 60; ++i) sim->AddEntry(QString("Eintrag %1").arg(i).toStdString());
  TfrDialup& panel = Start();
  EXPECT_EQ(panel.cbConnections()->count(), 50);
  EXPECT_EQ(panel.cbConnections()->itemText(49), "Eintrag 50");
}

TEST_F(DialUpTest, DialHangUpAndTheNoticesBetween) {
  sim->AddEntry("Eins");
  sim->AddEntry("Zwei", "anna", "geheim");
  TfrDialup& panel = Start();
  panel.cbConnections()->setCurrentIndex(1);

  answers = {mrNo};
  panel.acDial()->trigger();
  EXPECT_EQ(sim->ConnectionCount(), 0u);
  EXPECT_EQ(LastEntry(), "<none>");

  answers = {mrYes};
  panel.btDial()->Click();
  const std::uint32_t handle = sim->LastDialHandle();
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(LastEntry(), "Zwei");
  sim->SetState(handle, platform::kStateAuthenticate);
  sim->SetState(handle, kStateConnected);
  EXPECT_EQ(panel.btDial()->ImageIndex(), diConnected);
  EXPECT_TRUE(host->ras.Connected());

  // No to the hang-up question keeps the connection and its picture.
  answers = {mrNo};
  panel.acDial()->trigger();
  EXPECT_TRUE(host->ras.Connected());
  EXPECT_EQ(panel.btDial()->ImageIndex(), diConnected);

  answers = {mrYes};
  panel.acDial()->trigger();
  EXPECT_FALSE(host->ras.Connected());
  EXPECT_EQ(sim->ConnectionCount(), 0u);
  EXPECT_EQ(panel.btDial()->ImageIndex(), diIdle);

  const Shown dialQuestion{"DFÜ-Verbindung herstellen",
                           "Wollen Sie die DFÜ-Verbindung \"Zwei\" jetzt herstellen?"};
  const Shown hangUpQuestion{"DFÜ-Verbindung trennen",
                             "Wollen Sie die DFÜ-Verbindung jetzt trennen?"};
  EXPECT_EQ(shown, (std::vector<Shown>{
                       dialQuestion,
                       dialQuestion,
                       {"DFÜ-Verbindung hergestellt", "Die DFÜ-Verbindung wurde hergestellt."},
                       hangUpQuestion,
                       hangUpQuestion,
                   }));
}

TEST_F(DialUpTest, DroppedConnectionIsReportedAndCanBeDialledAgain) {
  sim->AddEntry("Eins");
  TfrDialup& panel = Start();
  answers = {mrYes};
  panel.acDial()->trigger();
  sim->SetState(sim->LastDialHandle(), kStateConnected);
  sim->RemoveConnection(sim->LastDialHandle());
  EXPECT_EQ(panel.btDial()->ImageIndex(), diIdle);
  EXPECT_EQ(shown.back(), (Shown{"DFÜ-Verbindung getrennt", "Die DFÜ-Verbindung wurde getrennt."}));
  EXPECT_TRUE(host->ras.Dial(0));
}

TEST_F(DialUpTest, RefusedDialKeepsTheLastEntry) {
  sim->AddEntry("Eins");
  TfrDialup& panel = Start();
  sim->FailDial(668);
  answers = {mrYes};
  panel.acDial()->trigger();
  EXPECT_EQ(LastEntry(), "<none>");
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(DialUpTest, ComponentRaisesTheEventOfEachState) {
  sim->AddEntry("Eins");
  TtxRas32 ras(nullptr);
  QStringList events;
  const auto record = [&](const char* name) {
    return [&events, name](TtxRas32* sender) {
      EXPECT_NE(sender, nullptr);
      events << name;
    };
  };
  QObject::connect(&ras, &TtxRas32::OnOpenPort, record("OpenPort"));
  QObject::connect(&ras, &TtxRas32::OnAuthenticate, record("Authenticate"));
  QObject::connect(&ras, &TtxRas32::OnWaitForCallBack, record("WaitForCallBack"));
  QObject::connect(&ras, &TtxRas32::OnInteractive, record("Interactive"));
  QObject::connect(&ras, &TtxRas32::OnPasswordExpired, record("PasswordExpired"));
  QObject::connect(&ras, &TtxRas32::OnConnected, record("Connected"));
  ASSERT_TRUE(ras.Dial(0));
  EXPECT_FALSE(ras.Dial(0));
  for (std::uint32_t state : {0u, 5u, 17u, 4096u, 4098u, 4099u, 9000u, 8192u})
    sim->SetState(sim->LastDialHandle(), state);
  EXPECT_EQ(events, QStringList({"OpenPort", "Authenticate", "WaitForCallBack", "Interactive",
                                 "PasswordExpired", "Connected"}));
}

TEST_F(DialUpTest, ComponentSelectsEntriesAndTheirCredentials) {
  sim->AddEntry("Eins", "erika", "pw1");
  sim->AddEntry("Zwei");
  TtxRas32 ras(nullptr);
  struct Case {
    int set;
    int index;
    const char* entry;
    const char* user;
  };
  for (const Case& c : {Case{0, 0, "Eins", "erika"}, Case{1, 1, "Zwei", ""},
                        Case{7, 0, "Eins", "erika"}, Case{-1, -1, "", ""}, Case{-3, -1, "", ""}}) {
    ras.SetEntryIndex(c.set);
    EXPECT_EQ(ras.EntryIndex(), c.index) << c.set;
    EXPECT_EQ(ras.Entry(), c.entry) << c.set;
    EXPECT_EQ(ras.Username(), c.user) << c.set;
  }
  EXPECT_FALSE(ras.Dial(2));
  EXPECT_FALSE(ras.EditConnection(2));
  EXPECT_TRUE(ras.EditConnection(1));
  EXPECT_TRUE(ras.CreateNewConnection());
}

// A hang-up the service reports as failed counts only when the connection
// is gone afterwards; the handle is given up either way.
TEST_F(DialUpTest, FailedHangUpCountsOnlyWhenTheConnectionIsGone) {
  sim->AddEntry("Eins");
  for (const bool gone : {true, false}) {
    SCOPED_TRACE(gone ? "gone" : "still there");
    TtxRas32 ras(nullptr);
    ASSERT_TRUE(ras.Dial(0));
    const std::uint32_t handle = sim->LastDialHandle();
    sim->SetState(handle, kStateConnected);
    sim->FailHangUp(5, gone);
    EXPECT_EQ(ras.HangUp(), gone);
    EXPECT_FALSE(ras.Connected());
    EXPECT_FALSE(ras.HangUp());
    sim->FailHangUp(std::nullopt);
    sim->RemoveConnection(handle);
  }
}

TEST_F(DialUpTest, DestroyingTheComponentHangsUpUnlessToldToKeep) {
  sim->AddEntry("Eins");
  for (const bool keep : {false, true}) {
    auto ras = std::make_unique<TtxRas32>(nullptr);
    ras->SetKeepConnected(keep);
    ASSERT_TRUE(ras->Dial(0));
    ras.reset();
    EXPECT_EQ(sim->ConnectionCount(), keep ? 1u : 0u) << keep;
  }
}

}  // namespace
}  // namespace tolvex

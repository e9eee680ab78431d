// The media-player remote panel on the simulated media-player service and a
// recording shell: its layout, menu and pictures, the volume read at start
// and saved, the commands, starting the player and locating its program.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <memory>

#include "app/builtin_panels.h"
#include "controls/action.h"
#include "controls/button.h"
#include "platform/shell.h"
#include "platform/sim/sim_media_player.h"
#include "shared/modal.h"
#include "snapins/amp/amp_artwork.h"
#include "snapins/amp/amp_panel.h"
#include "support/qt_printers.h"
#include "support/recording_shell.h"
#include "support/snapin_test_host.h"

namespace tolvex {
namespace {

constexpr int kAmp = 2;
const QString kSection = QStringLiteral("tolvexAmp");

using AmpHost = test::TSnapInTestHost;

class AmpTest : public ::testing::Test {
 protected:
  AmpTest() {
    auto player = std::make_unique<platform::sim::SimMediaPlayer>();
    sim = player.get();
    platform::SetMediaPlayer(std::move(player));
    platform::SetShell(std::make_unique<test::TRecordingShell>(opened));
    RegisterAmpPanel();
    host = std::make_unique<AmpHost>(dir.filePath("tolvexbar.ini"));
    program = dir.filePath("player");
    QFile file(program);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  }
  ~AmpTest() override {
    host.reset();
    ResetBuiltInPanels();
    RegisterBuiltInPanel(kAmp, {});
    platform::SetMediaPlayer(nullptr);
    platform::SetShell(nullptr);
  }

  TfrAmpControl& Start() {
    host->show();
    ResetBuiltInPanels();
    PlaceBuiltInPanel(*host, host->controls, kAmp, 26);
    auto* panel = dynamic_cast<TfrAmpControl*>(BuiltInPanel(kAmp));
    EXPECT_NE(panel, nullptr);
    sim->ClearCalls();
    return *panel;
  }

  QString Stored(const QString& key) { return host->config.ReadString(kSection, key, "<none>"); }

  // Answers file dialogs with `path` (cancel when empty) and counts them.
  ModalAnswer Locate(const QString& path) {
    return [this, path](QDialog& dialog) {
      dialogTitles.append(dialog.windowTitle());
      return AnswerFileDialog(path)(dialog);
    };
  }

  QTemporaryDir dir;
  QString program;
  platform::sim::SimMediaPlayer* sim = nullptr;
  std::vector<test::TRecordingShell::Call> opened;
  std::unique_ptr<AmpHost> host;
  QStringList dialogTitles;
};

TEST_F(AmpTest, LayoutMenuAndPictures) {
  TfrAmpControl& panel = Start();
  EXPECT_EQ(panel.geometry(), QRect(0, 26, 104, 35));
  struct Row {
    TtxAction* action;
    int x;
    const char* hint;
    const char* caption;
    int image;
  };
  const Row rows[] = {
      {panel.acPrev(), 1, "Vorheriger Titel", "&Voriger Titel", 0},
      {panel.acPlay(), 17, "Abspielen/Wiedergabe", "&Abspielen/Wiedergabe", 4},
      {panel.acPause(), 33, "Pause", "&Pause", 3},
      {panel.acStop(), 49, "Stop", "&Stop", 1},
      {panel.acNext(), 65, "Nächster Titel", "&Nächster Titel", 2},
      {panel.acLaunch(), 81, "Winamp starten", "&Winamp starten", 5},
  };
  const QList<QAction*> items = panel.pmAmp()->actions();
  ASSERT_EQ(items.size(), 8);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(rows[i].caption);
    TrButton* button = panel.Button(i);
    EXPECT_EQ(button->geometry(), QRect(rows[i].x, 1, 16, 16));
    EXPECT_EQ(button->Hint(), QString::fromUtf8(rows[i].hint));
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(button->ImageIndex(), rows[i].image);
    EXPECT_EQ(rows[i].action->text(), QString::fromUtf8(rows[i].caption));
    EXPECT_EQ(items[i], rows[i].action);
    EXPECT_FALSE(AmpImage(rows[i].image).toImage().isNull());
  }
  EXPECT_TRUE(items[6]->isSeparator());
  EXPECT_EQ(items[7]->text(), "&tolvexBar");

  QSlider* slider = panel.tbVolume();
  EXPECT_EQ(slider->geometry(), QRect(0, 17, 97, 17));
  EXPECT_EQ(slider->minimum(), 0);
  EXPECT_EQ(slider->maximum(), 255);
  EXPECT_EQ(slider->pageStep(), 20);
  EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);
  EXPECT_FALSE(slider->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(slider->toolTip(), "Lautstärke");
}

TEST_F(AmpTest, StartSetsTheStoredVolumeAndSendsItToARunningPlayer) {
  struct Case {
    const char* stored;
    int shown;
  };
  for (const Case& c : {Case{nullptr, 125}, Case{"200", 200}, Case{"999", 255}, Case{"x", 125}}) {
    SCOPED_TRACE(c.stored ? c.stored : "none");
    if (c.stored) host->config.WriteString(kSection, "Volume", c.stored);
    sim->running = true;
    PlaceBuiltInPanel(*host, host->controls, kAmp, 26);
    ResetBuiltInPanels();
    host->controls.Clear();
    EXPECT_EQ(sim->Calls(), std::vector<std::string>{"volume " + std::to_string(c.shown)});
    sim->ClearCalls();
  }
  sim->running = false;
  host->config.WriteString(kSection, "Volume", "200");
  EXPECT_EQ(Start().tbVolume()->value(), 200);
}

TEST_F(AmpTest, SaveSettingsWritesTheSliderPosition) {
  TfrAmpControl& panel = Start();
  panel.tbVolume()->setValue(42);
  panel.SaveSettings();
  EXPECT_EQ(Stored("Volume"), "42");
}

TEST_F(AmpTest, SliderSendsTheVolumeOnlyToARunningPlayer) {
  TfrAmpControl& panel = Start();
  panel.tbVolume()->setValue(10);
  EXPECT_TRUE(sim->Calls().empty());
  sim->running = true;
  panel.tbVolume()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(sim->Calls(), std::vector<std::string>{"volume 255"});
}

TEST_F(AmpTest, CommandsGoToARunningPlayer) {
  TfrAmpControl& panel = Start();
  sim->running = true;
  TScopedModalAnswer answer(Locate(program));
  for (TtxAction* action :
       {panel.acPrev(), panel.acPlay(), panel.acPause(), panel.acStop(), panel.acNext()})
    action->trigger();
  panel.Button(1)->Click();
  EXPECT_EQ(sim->Calls(),
            (std::vector<std::string>{"command previous", "command play", "command pause",
                                      "command stop", "command next", "command play"}));
  EXPECT_TRUE(dialogTitles.isEmpty());
  EXPECT_TRUE(opened.empty());
}

TEST_F(AmpTest, LaunchRestoresARunningPlayerAndStartsNoSecond) {
  host->config.WriteString(kSection, "Winamp", program);
  TfrAmpControl& panel = Start();
  sim->running = true;
  panel.acLaunch()->trigger();
  EXPECT_EQ(sim->Calls(), std::vector<std::string>{"restore"});
  EXPECT_TRUE(opened.empty());
}

TEST_F(AmpTest, PlayWithoutPlayerOrPathAsksAndCancelWritesAndSendsNothing) {
  TfrAmpControl& panel = Start();
  const QByteArray before = [&] {
    QFile file(dir.filePath("tolvexbar.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  TScopedModalAnswer answer(Locate(QString()));
  panel.acPlay()->trigger();
  EXPECT_EQ(dialogTitles, QStringList{"Winamp suchen"});
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(sim->Calls().empty());
  EXPECT_EQ(Stored("Winamp"), "<none>");
  QFile file(dir.filePath("tolvexbar.ini"));
  EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), before);
}

TEST_F(AmpTest, LaunchUsesTheStoredPathOrAsksWhenItIsGone) {
  struct Case {
    const char* name;
    QString stored;
    int dialogs;
  };
  const QString gone = dir.filePath("gone/player");
  for (const Case& c : {Case{"stored path exists", program, 0}, Case{"stored path gone", gone, 1},
                        Case{"nothing stored", QString(), 1}}) {
    SCOPED_TRACE(c.name);
    host->config.WriteString(kSection, "Winamp", c.stored);
    TfrAmpControl& panel = Start();
    dialogTitles.clear();
    opened.clear();
    TScopedModalAnswer answer(Locate(program));
    panel.acLaunch()->trigger();
    EXPECT_EQ(dialogTitles.size(), c.dialogs);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].target, program.toStdString());
    EXPECT_EQ(opened[0].showCommand, platform::ShowNormal);
    EXPECT_EQ(Stored("Winamp"), program);
  }
}

TEST_F(AmpTest, LaunchSendsTheVolumeWhenThePlayerIsUpAtOnce) {
  host->config.WriteString(kSection, "Winamp", program);
  host->config.WriteString(kSection, "Volume", "77");
  TfrAmpControl& panel = Start();
  // A player that came up while being started: the next check finds it.
  struct UpOnOpen : test::TRecordingShell {
    UpOnOpen(std::vector<Call>& calls, platform::sim::SimMediaPlayer& player)
        : TRecordingShell(calls), player_(player) {}
    bool Open(const std::string& target, const std::string& parameters, const std::string& folder,
              int show) override {
      player_.running = true;
      return TRecordingShell::Open(target, parameters, folder, show);
    }
    platform::sim::SimMediaPlayer& player_;
  };
  platform::SetShell(std::make_unique<UpOnOpen>(opened, *sim));
  panel.acPlay()->trigger();
  EXPECT_EQ(sim->Calls(), (std::vector<std::string>{"volume 77", "command play"}));
}

}  // namespace
}  // namespace tolvex

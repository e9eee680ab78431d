// The clock's settings dialog opened from the clock on a stand-in bar: the
// form, loading the keys, the rules of the line controls, what "Ok",
// "Übernehmen" and "Abbrechen" write, and the synchronise button with the
// server as typed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "clock_bar.h"
#include "controls/action.h"
#include "loopback_server.h"
#include "platform/desktop.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_time.h"
#include "platform/time.h"
#include "shared/modal.h"
#include "snapins/clock/clock_settings_dialog.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

using TDialogSteps = std::function<int(TwTolvexClockSettings&)>;

QComboBox* List(QWidget& dialog, const char* name) {
  return dialog.findChild<QComboBox*>(QLatin1String(name));
}

QStringList Entries(const QComboBox& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) entries << list.itemText(i);
  return entries;
}

int Press(QWidget& dialog, const char* button) {
  dialog.findChild<QPushButton*>(QLatin1String(button))->click();
  return static_cast<QDialog&>(dialog).result();
}

// A clock on a stand-in bar whose settings dialog is answered by `steps`;
// message boxes are noted and answered with OK.
class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    auto desktop = std::make_unique<platform::sim::SimDesktop>();
    desktop->SetWorkArea({0, 0, 1000, 700});
    platform::SetDesktop(std::move(desktop));
    auto time = std::make_unique<platform::sim::SimTime>();
    time_ = time.get();
    platform::SetTimeService(std::move(time));
  }
  void TearDown() override {
    bar_.reset();
    platform::SetTimeService(nullptr);
    platform::SetDesktop(nullptr);
  }

  TfrClock& Build() {
    bar_->move(300, 100);
    return bar_->Build();
  }

  // Opens the dialog from the clock's action.
  void Open(TfrClock& clock, const TDialogSteps& steps) {
    TScopedModalAnswer answer([this, &steps](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        messages_ << box->text();
        return int(QMessageBox::Ok);
      }
      auto& settings = dynamic_cast<TwTolvexClockSettings&>(dialog);
      opened_ = settings.pos();
      return steps(settings);
    });
    clock.findChild<TtxAction*>("acOptions")->trigger();
  }

  QByteArray FileBytes() {
    QFile file(bar_->ConfigFile().FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  std::unique_ptr<ClockBar> bar_ = std::make_unique<ClockBar>();
  platform::sim::SimTime* time_ = nullptr;
  QStringList messages_;
  QPoint opened_;
};

TEST_F(SettingsDialog, FormControlsAndEntries) {
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Optionen");
    EXPECT_EQ(dialog.size(), QSize(341, 210));
    auto* pages = dialog.findChild<QTabWidget*>("pcPages");
    EXPECT_EQ(pages->geometry(), QRect(4, 5, 333, 168));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->tabText(0), "&Allgemein");
    EXPECT_EQ(pages->tabText(1), "S&ynchronisation");
    const struct {
      const char* name;
      QRect geometry;
    } placed[] = {
        {"cbDblClick", {88, 8, 233, 21}},   {"cbLayout", {88, 36, 233, 21}},
        {"cbUserDef1", {128, 64, 77, 21}},  {"cbUserDef3", {128, 112, 77, 21}},
        {"edUserDef2", {212, 88, 109, 21}}, {"edServer", {60, 8, 249, 21}},
        {"btSynchro", {216, 36, 95, 25}},   {"btOk", {100, 180, 75, 25}},
        {"btCancel", {180, 180, 75, 25}},   {"btApply", {260, 180, 75, 25}},
    };
    for (const auto& p : placed) {
      QWidget* widget = dialog.findChild<QWidget*>(QLatin1String(p.name));
      EXPECT_EQ(widget ? widget->geometry() : QRect(), p.geometry) << p.name;
    }
    EXPECT_EQ(Entries(*List(dialog, "cbDblClick")),
              (QStringList{"< keine Aktion >", "Datum/Uhrzeit ändern", "Zeit synchronisieren",
                           "Jahreskalender anzeigen", "Anzeige wechseln"}));
    EXPECT_EQ(Entries(*List(dialog, "cbLayout")),
              (QStringList{"Standard", "Kompakt", "Monatsansicht", "Benutzerdefiniert"}));
    EXPECT_EQ(Entries(*List(dialog, "cbUserDef1")),
              (QStringList{"leer", "Zeit", "Datum", "Extras"}));
    EXPECT_EQ(Entries(*List(dialog, "edUserDef1")), (QStringList{"hh:nn:ss", "hh:nn"}));
    EXPECT_TRUE(List(dialog, "edUserDef1")->isEditable());
    EXPECT_EQ(dialog.findChild<QCheckBox*>("cbSyncOnRasConnect")->text(),
              "&Nach Einwahl über DFÜ-Netzwerk autom. synchronisieren");
    EXPECT_EQ(dialog.findChild<QCheckBox*>("cbSyncOnStart")->text(),
              "Beim &Programmstart autom. synchronisieren");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("btOk")->isDefault());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("btApply")->isEnabled());
    // Tab order on the first page.
    QStringList order;
    QWidget* at = List(dialog, "cbDblClick");
    for (int i = 0; i < 40 && order.size() < 8; ++i, at = at->nextInFocusChain()) {
      if (qobject_cast<QComboBox*>(at) && !order.contains(at->objectName()))
        order << at->objectName();
    }
    EXPECT_EQ(order, (QStringList{"cbDblClick", "cbLayout", "cbUserDef1", "edUserDef1",
                                  "cbUserDef2", "edUserDef2", "cbUserDef3", "edUserDef3"}));
    return Press(dialog, "btCancel");
  });
  // Beside the clock, inside the work area.
  EXPECT_EQ(opened_, clock.mapToGlobal(QPoint(clock.width(), 0)));
}

TEST_F(SettingsDialog, LoadShowsTheStoredSettings) {
  bar_->Set("UserDef", "31");
  bar_->Set("UserDef2", "hh:nn");
  bar_->Set("DblClickAction", "9");
  bar_->Set("TimeServer", "zeit.example");
  bar_->Set("SyncOnStart", "1");
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    EXPECT_EQ(List(dialog, "cbUserDef1")->currentText(), "Extras");
    EXPECT_EQ(List(dialog, "cbUserDef2")->currentText(), "Zeit");
    EXPECT_EQ(List(dialog, "cbUserDef3")->currentText(), "leer");
    EXPECT_EQ(List(dialog, "edUserDef1")->currentText(), "");
    EXPECT_EQ(List(dialog, "edUserDef2")->currentText(), "hh:nn");
    EXPECT_EQ(Entries(*List(dialog, "edUserDef2")), (QStringList{"hh:nn:ss", "hh:nn"}));
    EXPECT_EQ(List(dialog, "edUserDef3")->count(), 0);
    EXPECT_EQ(List(dialog, "cbDblClick")->currentIndex(), -1);
    EXPECT_EQ(List(dialog, "cbLayout")->currentText(), "Standard");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("edServer")->text(), "zeit.example");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("cbSyncOnStart")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("cbSyncOnRasConnect")->isChecked());
    EXPECT_FALSE(dialog.Changed());
    return Press(dialog, "btCancel");
  });
}

TEST_F(SettingsDialog, OkWithoutChangesWritesNothing) {
  TfrClock& clock = Build();
  const QByteArray before = FileBytes();
  Open(clock, [](TwTolvexClockSettings& dialog) { return Press(dialog, "btOk"); });
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(bar_->Get("UserDef"), "<none>");
}

TEST_F(SettingsDialog, LineControlsFollowTheLayout) {
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    for (const char* name : {"cbUserDef1", "edUserDef2", "cbUserDef3"})
      EXPECT_FALSE(dialog.findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
    List(dialog, "cbLayout")->setCurrentIndex(3);
    for (const char* name : {"cbUserDef1", "edUserDef2", "cbUserDef3"})
      EXPECT_TRUE(dialog.findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(dialog.findChild<QPushButton*>("btApply")->isEnabled());
    return Press(dialog, "btOk");
  });
  // The clock shows the new layout at once.
  EXPECT_EQ(clock.Layout(), 3);
  EXPECT_EQ(bar_->Get("Layout"), "3");
}

TEST_F(SettingsDialog, AKindChangeRefillsItsFormatField) {
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    List(dialog, "cbLayout")->setCurrentIndex(3);
    List(dialog, "cbUserDef2")->setCurrentIndex(1);
    EXPECT_EQ(List(dialog, "edUserDef2")->currentText(), "hh:nn:ss");
    List(dialog, "cbUserDef2")->setCurrentIndex(2);
    EXPECT_EQ(List(dialog, "edUserDef2")->currentText(), "ddd., d. mmm. yyyy");
    EXPECT_EQ(Entries(*List(dialog, "edUserDef2")),
              (QStringList{"ddd., d. mmm. yyyy", "dd.mm.yyyy", "dd.mm.yy", "ddd., dd.mm.yyyy",
                           "ddd., d. mmmm"}));
    List(dialog, "cbUserDef1")->setCurrentIndex(3);
    EXPECT_EQ(List(dialog, "edUserDef1")->currentText(), "");
    EXPECT_EQ(List(dialog, "edUserDef1")->count(), 0);
    List(dialog, "cbUserDef3")->setCurrentIndex(0);
    EXPECT_EQ(List(dialog, "edUserDef3")->currentText(), "");
    return Press(dialog, "btOk");
  });
  EXPECT_EQ(bar_->Get("UserDef"), "320");
  EXPECT_EQ(bar_->Get("UserDef1"), "");
  EXPECT_EQ(bar_->Get("UserDef2"), "ddd., d. mmm. yyyy");
  EXPECT_EQ(bar_->Get("UserDef3"), "");
  // Line 1 (extras) and line 2 (date) are shown; line 3 is empty.
  EXPECT_EQ(clock.height(), 2 * 13 + 7);
}

TEST_F(SettingsDialog, ApplyThenCancelKeepsWhatWasApplied) {
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    List(dialog, "cbLayout")->setCurrentIndex(1);
    dialog.findChild<QCheckBox*>("cbSyncOnRasConnect")->click();
    Press(dialog, "btApply");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("btApply")->isEnabled());
    List(dialog, "cbDblClick")->setCurrentIndex(4);
    return Press(dialog, "btCancel");
  });
  EXPECT_EQ(clock.Layout(), 1);
  EXPECT_EQ(clock.height(), 32);
  EXPECT_TRUE(clock.RasWatchEnabled());
  EXPECT_EQ(bar_->Get("Layout"), "1");
  EXPECT_EQ(bar_->Get("SyncOnRasConnect"), "1");
  EXPECT_EQ(bar_->Get("DblClickAction"), "0");
  EXPECT_EQ(bar_->Get("TimeServer"), "time.nist.gov");
}

TEST_F(SettingsDialog, SynchroniseUsesTheServerAsTyped) {
  TLoopbackServer server([](int fd) {
    SendBytes(fd, CountBytes(3534364800u));
    WaitForClose(fd);
  });
  bar_->Set("TimeServer", "old.example");
  TfrClock& clock = Build();
  Open(clock, [&server](TwTolvexClockSettings& dialog) {
    dialog.TimeClient().Port = server.Port();
    dialog.findChild<QLineEdit*>("edServer")->setText("127.0.0.1");
    EXPECT_TRUE(dialog.Changed());
    Press(dialog, "btSynchro");
    EXPECT_EQ(dialog.TimeClient().Host, "127.0.0.1");
    return Press(dialog, "btCancel");
  });
  EXPECT_EQ(messages_, QStringList{"Uhrzeit wurde synchronisiert."});
  EXPECT_TRUE(time_->LastSet().has_value());
  EXPECT_EQ(bar_->Get("TimeServer"), "old.example");
  EXPECT_EQ(clock.TimeClient().Host, "old.example");
}

TEST_F(SettingsDialog, SynchroniseWithoutServerWarns) {
  TfrClock& clock = Build();
  Open(clock, [](TwTolvexClockSettings& dialog) {
    dialog.findChild<QLineEdit*>("edServer")->clear();
    Press(dialog, "btSynchro");
    return Press(dialog, "btCancel");
  });
  EXPECT_EQ(messages_, QStringList{"Es ist kein Zeitserver eingetragen."});
  EXPECT_FALSE(time_->LastSet().has_value());
}

}  // namespace
}  // namespace tolvex::test

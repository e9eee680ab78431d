// The shutdown panel's settings dialog: what it shows on opening, the
// changed flag and "Übernehmen", what Ok and "Abbrechen" write, and its
// place at the panel's top-right corner inside the work area.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "platform/desktop.h"
#include "shared/placement.h"
#include "snapins/terminator/terminator_properties.h"
#include "support/qt_printers.h"
#include "terminator_fixture.h"

namespace tolvex::test {
namespace {

class TerminatorProperties : public TerminatorTest {
 protected:
  // Opens the dialog from the panel's menu and hands it to `use`, which
  // closes it by a button; the dialog's result.
  int Open(const std::function<void(TwTerminatorProperties&)>& use) {
    int result = kModalStillOpen;
    TScopedModalAnswer hook([&](QDialog& dialog) {
      use(static_cast<TwTerminatorProperties&>(dialog));
      result = dialog.result();
      return result;
    });
    Panel().acProperties()->trigger();
    return result;
  }
  QString Stored(const char* key) {
    return Bar().ConfigFile().ReadString("TolvexTerminator", key, "(none)");
  }
};

TEST_F(TerminatorProperties, OpeningShowsTheStoredSettingsUnchanged) {
  Mode(1, 1);
  Mode(4, 2);
  Config("TolvexTerminator", "LightsOut", 1);
  Open([](TwTerminatorProperties& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "TolvexTerminator");
    EXPECT_EQ(dialog.pcPages()->currentIndex(), 0);
    EXPECT_EQ(dialog.pcPages()->tabText(0), "&Optionen");
    EXPECT_EQ(dialog.pcPages()->tabText(1), "&Einstellungen");
    const int expected[] = {1, 0, 0, 2, 0};
    for (int number = 1; number <= 5; ++number) {
      EXPECT_EQ(dialog.cbButton(number)->currentIndex(), expected[number - 1]) << number;
    }
    EXPECT_EQ(dialog.cbButton(1)->itemText(2), "Gesperrt");
    EXPECT_EQ(dialog.cbButton(1)->count(), 3);
    EXPECT_TRUE(dialog.cbLightsOut()->isChecked());
    EXPECT_EQ(dialog.cbLightsOut()->text(), "&Caps/Num/Scroll Lock ausschalten");
    EXPECT_FALSE(dialog.Changed());
    EXPECT_FALSE(dialog.btApply()->isEnabled());
    EXPECT_TRUE(dialog.btOk()->isDefault());
    dialog.btCancel()->click();
  });
}

TEST_F(TerminatorProperties, ApplyWritesEveryKeyAndRefreshesThePanel) {
  TfrTerminator& panel = Panel();
  Open([&](TwTerminatorProperties& dialog) {
    dialog.cbButton(2)->setCurrentIndex(2);
    EXPECT_TRUE(dialog.Changed());
    EXPECT_TRUE(dialog.btApply()->isEnabled());
    dialog.btApply()->click();
    EXPECT_FALSE(dialog.Changed());
    EXPECT_FALSE(dialog.btApply()->isEnabled());
    EXPECT_EQ(Stored("Button2"), "2");
    EXPECT_EQ(Stored("Button1"), "0");
    EXPECT_EQ(Stored("LightsOut"), "0");
    EXPECT_FALSE(panel.acReboot()->isEnabled());

    dialog.cbLightsOut()->setChecked(true);
    dialog.btCancel()->click();
  });
  EXPECT_EQ(Stored("LightsOut"), "0");  // "Abbrechen" writes nothing more
}

TEST_F(TerminatorProperties, OkWritesOnlyWhenSomethingChanged) {
  EXPECT_EQ(Open([](TwTerminatorProperties& dialog) { dialog.btOk()->click(); }), mrOk);
  EXPECT_FALSE(QFile::exists(Bar().ConfigFile().FileName()));

  TfrTerminator& panel = Panel();
  EXPECT_EQ(Open([](TwTerminatorProperties& dialog) {
              dialog.cbButton(5)->setCurrentIndex(2);
              dialog.cbLightsOut()->setChecked(true);
              dialog.btOk()->click();
            }),
            mrOk);
  EXPECT_EQ(Stored("Button5"), "2");
  EXPECT_EQ(Stored("LightsOut"), "1");
  EXPECT_FALSE(panel.acDisconnect()->isEnabled());

  EXPECT_EQ(Open([](TwTerminatorProperties& dialog) {
              dialog.cbButton(5)->setCurrentIndex(0);
              dialog.btCancel()->click();
            }),
            mrCancel);
  EXPECT_EQ(Stored("Button5"), "2");
}

TEST_F(TerminatorProperties, ItOpensAtThePanelsTopRightCornerInsideTheWorkArea) {
  TfrTerminator& panel = Panel();
  const QRect area = WorkAreaRect();
  for (QPoint barAt : {QPoint(100, 120), QPoint(area.right() - 150, area.bottom() - 40)}) {
    Bar().move(barAt);
    const QPoint corner = panel.mapToGlobal(QPoint(panel.width(), 0));
    Open([&](TwTerminatorProperties& dialog) {
      const QRect frame(dialog.pos(), OuterSize(dialog));
      EXPECT_LE(frame.right(), area.right());
      EXPECT_LE(frame.bottom(), area.bottom());
      if (corner.x() + frame.width() <= area.right()) {
        EXPECT_EQ(frame.left(), corner.x());
      }
      if (corner.y() + frame.height() <= area.bottom()) {
        EXPECT_EQ(frame.top(), corner.y());
      }
      dialog.btCancel()->click();
    });
  }
}

}  // namespace
}  // namespace tolvex::test

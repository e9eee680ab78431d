// The settings dialog with a real bar as its owner: the element actions and
// the selection they leave, options and their dependencies, Apply, OK and
// Cancel, and the four operations the bar calls.
#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>

#include "app/launcher_button.h"
#include "controls/action.h"
#include "dialog_fixture.h"
#include "dialogs/new_element_wizard.h"
#include "dialogs/properties_dialog.h"
#include "dialogs/settings_dialog.h"
#include "shared/modal.h"
#include "shared/placement.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
  return rows;
}

// Enabled states of Properties, Delete, Up and Down.
std::vector<bool> ActionStates(const TwTolvexSettings& dialog) {
  return {dialog.acElementProperties()->isEnabled(), dialog.acDeleteElement()->isEnabled(),
          dialog.acMoveUp()->isEnabled(), dialog.acMoveDown()->isEnabled()};
}

struct TLayoutSnapshot {
  QByteArray bytes;
  QDateTime modified;
};

class SettingsDialog : public DialogTest {
 protected:
  TLayoutSnapshot Snapshot() const {
    QFile file(LayoutFileName());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return {file.readAll(), QFileInfo(LayoutFileName()).lastModified()};
  }
};

TEST_F(SettingsDialog, DeletingSelectsTheRowThatTookThePlaceOrTheNewLastRow) {
  struct Case {
    int deleted;
    QStringList rowsAfter;
    int selectedAfter;
  };
  const QStringList three{"Type=P;Name=Eins", "Type=P;Name=Zwei", "Type=P;Name=Drei"};
  for (const Case& c :
       {Case{2, {"Eins", "Zwei"}, 1}, Case{1, {"Eins", "Drei"}, 1}, Case{0, {"Zwei", "Drei"}, 0}}) {
    Layout(three);
    TwTolvexSettings dialog(*bar_);
    dialog.LoadSettings(true);
    dialog.lbElemente()->setCurrentRow(c.deleted);
    dialog.acDeleteElement()->trigger();
    EXPECT_EQ(Rows(*dialog.lbElemente()), c.rowsAfter) << "deleting " << c.deleted;
    EXPECT_EQ(dialog.lbElemente()->currentRow(), c.selectedAfter) << "deleting " << c.deleted;
    EXPECT_EQ(dialog.Elements().Items(c.selectedAfter).Name, c.rowsAfter[c.selectedAfter]);
    EXPECT_TRUE(dialog.btApply()->isEnabled());
  }
}

TEST_F(SettingsDialog, DeletingTheOnlyElementLeavesNoSelectionAndOnlyNewEnabled) {
  Layout({"Type=P;Name=Eins"});
  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  dialog.lbElemente()->setCurrentRow(0);
  EXPECT_EQ(ActionStates(dialog), (std::vector<bool>{true, true, false, false}));
  dialog.acDeleteElement()->trigger();
  EXPECT_EQ(dialog.lbElemente()->count(), 0);
  EXPECT_TRUE(dialog.lbElemente()->selectedItems().isEmpty());
  EXPECT_EQ(ActionStates(dialog), (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(dialog.acNewElement()->isEnabled());
}

TEST_F(SettingsDialog, MovingSwapsElementsAndRowsAndFollowsTheMovedRow) {
  Layout({"Type=P;Name=Eins", "Type=P;Name=Zwei", "Type=S;Kind=2"});
  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  dialog.lbElemente()->setCurrentRow(0);
  EXPECT_FALSE(dialog.acMoveUp()->isEnabled());
  dialog.acMoveDown()->trigger();
  EXPECT_EQ(Rows(*dialog.lbElemente()), (QStringList{"Zwei", "Eins", "tolvexClock-Snapin"}));
  EXPECT_EQ(dialog.lbElemente()->currentRow(), 1);
  dialog.acMoveDown()->trigger();
  EXPECT_EQ(dialog.lbElemente()->currentRow(), 2);
  EXPECT_FALSE(dialog.acMoveDown()->isEnabled());
  EXPECT_EQ(dialog.Elements().Items(2).Name, "Eins");
  dialog.acMoveUp()->trigger();
  EXPECT_EQ(Rows(*dialog.lbElemente()), (QStringList{"Zwei", "Eins", "tolvexClock-Snapin"}));
  EXPECT_EQ(dialog.lbElemente()->currentRow(), 1);
}

TEST_F(SettingsDialog, ASnapInRowHasNoPropertiesNeitherByEnterNorByDoubleClick) {
  Layout({"Type=P;Name=Eins", "Type=S;Kind=2"});
  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  dialog.show();
  int opened = 0;
  TScopedModalAnswer answer([&](QDialog&) {
    ++opened;
    return int(mrCancel);
  });
  QListWidget* list = dialog.lbElemente();
  struct Case {
    int row;
    bool enabled;
    int openedAfterEnterAndDoubleClick;
  };
  for (const Case& c : {Case{1, false, 0}, Case{0, true, 2}}) {
    opened = 0;
    list->setCurrentRow(c.row);
    EXPECT_EQ(dialog.acElementProperties()->isEnabled(), c.enabled);
    QTest::keyClick(list, Qt::Key_Return);
    emit list->itemDoubleClicked(list->item(c.row));
    EXPECT_EQ(opened, c.openedAfterEnterAndDoubleClick) << "row " << c.row;
  }
}

TEST_F(SettingsDialog, InsertAndDeleteKeysRunTheirActions) {
  Layout({"Type=P;Name=Eins", "Type=P;Name=Zwei"});
  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  dialog.show();
  QListWidget* list = dialog.lbElemente();
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(Rows(*list), QStringList{"Zwei"});
  bool wizard = false;
  TScopedModalAnswer answer([&](QDialog& shown) {
    wizard = qobject_cast<TwNewElement*>(&shown) != nullptr;
    return int(mrCancel);
  });
  QTest::keyClick(list, Qt::Key_Insert);
  EXPECT_TRUE(wizard);
}

TEST_F(SettingsDialog, AnOptionsOnlyApplyDocksAgainButLeavesTheLayoutFileAndTheElements) {
  Layout({"Type=P;Name=Eins"});
  const TLayoutSnapshot before = Snapshot();
  QWidget* control = bar_->ElementControls().Control(0);
  ASSERT_EQ(bar_->Edge(), abeLeft);
  // A rewrite within the same instant could keep the time.
  QThread::msleep(30);

  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  EXPECT_FALSE(dialog.btApply()->isEnabled());
  dialog.rbAlignment(1)->click();
  EXPECT_TRUE(dialog.btApply()->isEnabled());
  dialog.btApply()->click();

  EXPECT_EQ(bar_->Edge(), abeRight);
  EXPECT_EQ(bar_->ConfigFile().ReadInteger("System", "Alignment", -1), 1);
  EXPECT_FALSE(dialog.btApply()->isEnabled());
  const TLayoutSnapshot after = Snapshot();
  EXPECT_EQ(after.bytes, before.bytes);
  EXPECT_EQ(after.modified, before.modified);
  EXPECT_EQ(bar_->ElementControls().Control(0), control);
}

TEST_F(SettingsDialog, WithoutTaskbarTheDependentOptionsAreGreyedButStillWritten) {
  TwTolvexSettings dialog(*bar_);
  dialog.LoadSettings(true);
  // A bar that never wrote "Taskbar" is docked, and the dialog says so.
  EXPECT_TRUE(dialog.cbTaskbar()->isChecked());
  dialog.cbAutoHide()->click();
  dialog.cbTaskEntry()->click();
  dialog.cbTaskbar()->click();
  EXPECT_FALSE(dialog.cbAutoHide()->isEnabled());
  EXPECT_FALSE(dialog.cbTaskEntry()->isEnabled());
  EXPECT_FALSE(dialog.rgAusrichtung()->isEnabled());
  dialog.ApplySettings(true);
  TtxIniFile& config = bar_->ConfigFile();
  EXPECT_EQ(config.ReadString("System", "AutoHide", "?"), "1");
  EXPECT_EQ(config.ReadString("System", "ShowTaskEntry", "?"), "1");
  EXPECT_EQ(config.ReadString("System", "Taskbar", "?"), "0");
  EXPECT_EQ(config.ReadString("System", "Alignment", "?"), "0");
  EXPECT_FALSE(bar_->IsDocked());
  EXPECT_EQ(bar_->TaskEntry(), abtShow);
}

TEST_F(SettingsDialog, OkAppliesTheElementChangesAndCancelDiscardsThem) {
  struct Case {
    int result;
    bool returned;
    QStringList storedAfter;
  };
  for (const Case& c : {Case{mrCancel, false, {"Eins", "Zwei"}}, Case{mrOk, true, {"Zwei"}}}) {
    Layout({"Type=P;Name=Eins", "Type=P;Name=Zwei"});
    TwTolvexSettings dialog(*bar_);
    int page = -1;
    TScopedModalAnswer answer([&](QDialog& shown) {
      auto& settings = static_cast<TwTolvexSettings&>(shown);
      page = settings.pcSettings()->currentIndex();
      settings.lbElemente()->setCurrentRow(0);
      settings.acDeleteElement()->trigger();
      return AnswerByResult(c.result)(shown);
    });
    EXPECT_EQ(dialog.ExecuteSettings(1), c.returned);
    EXPECT_EQ(page, 1);
    EXPECT_EQ(Stored(), c.storedAfter);
    EXPECT_EQ(bar_->ElementControls().Count(), c.storedAfter.size());
  }
}

TEST_F(SettingsDialog, ItOpensBesideTheBarKeeping50PixelsFromTheRightEdge) {
  QWidget owner;
  owner.setGeometry(900, 10, 104, 600);
  EXPECT_EQ(BesideOwner(owner, QSize(409, 300)), QPoint(565, 60));
  owner.setGeometry(100, 10, 104, 600);
  EXPECT_EQ(BesideOwner(owner, QSize(409, 300)), QPoint(150, 60));
}

TEST_F(SettingsDialog, PropertiesOfASnapInChangeNothing) {
  Layout({"Type=P;Name=Eins", "Type=S;Kind=2"});
  const TLayoutSnapshot before = Snapshot();
  bool asked = false;
  TScopedModalAnswer answer([&](QDialog&) {
    asked = true;
    return int(mrOk);
  });
  EXPECT_FALSE(TwTolvexSettings(*bar_).ExecuteElementProperties(1));
  EXPECT_FALSE(asked);
  EXPECT_EQ(Snapshot().bytes, before.bytes);
}

TEST_F(SettingsDialog, PropertiesOfALauncherAreSavedAndTheBarRebuilds) {
  Layout({"Type=P;Name=Eins", "Type=P;Name=Zwei"});
  TScopedModalAnswer answer([](QDialog& shown) {
    static_cast<TwTolvexProperties&>(shown).edName()->setText("Neu");
    return AnswerByResult(mrOk)(shown);
  });
  EXPECT_TRUE(TwTolvexSettings(*bar_).ExecuteElementProperties(1));
  EXPECT_EQ(Stored(), (QStringList{"Eins", "Neu"}));
  auto* button = qobject_cast<TTolvexButton*>(bar_->ElementControls().Control(1));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "Neu");
}

TEST_F(SettingsDialog, ANewLauncherAndANewSnapInAreSavedAndBuilt) {
  Layout({"Type=S;Kind=2"});
  QFile program(Path("my.tool.exe"));
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.close();
  TScopedModalAnswer launcher([&](QDialog& shown) {
    auto& wizard = static_cast<TwNewElement&>(shown);
    wizard.edFilename()->setText(program.fileName());
    wizard.acNextPageExecute();
    wizard.acNextPageExecute();
    return wizard.result();
  });
  EXPECT_TRUE(TwTolvexSettings(*bar_).ExecuteNewElement());
  EXPECT_EQ(Stored(), (QStringList{"Kind 2", "my"}));
  TtxIniFile& layout = bar_->LayoutFile();
  EXPECT_EQ(layout.ReadString("Link2", "Target", "?"), program.fileName());
  EXPECT_EQ(layout.ReadString("Link2", "ShowCommand", "?"), "0");
  EXPECT_EQ(layout.ReadString("Link2", "Size", "?"), "0");
  EXPECT_EQ(layout.ReadString("Link2", "IconIndex", "?"), "0");
  // The clock has no panel in this test; the launcher is the bar's only control.
  auto* button = qobject_cast<TTolvexButton*>(bar_->ElementControls().Control(0));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "my");

  TScopedModalAnswer snapIn([](QDialog& shown) {
    auto& wizard = static_cast<TwNewElement&>(shown);
    wizard.rbSnapIn()->click();
    wizard.acNextPageExecute();
    return wizard.result();
  });
  EXPECT_TRUE(TwTolvexSettings(*bar_).ExecuteNewElement());
  // The first snap-in offered beside the clock is the remote control (stored Kind 1).
  EXPECT_EQ(Stored(), (QStringList{"Kind 2", "my", "Kind 1"}));
}

TEST_F(SettingsDialog, ACancelledWizardChangesNothing) {
  Layout({"Type=P;Name=Eins"});
  const TLayoutSnapshot before = Snapshot();
  TScopedModalAnswer answer(AnswerByResult(mrCancel));
  EXPECT_FALSE(TwTolvexSettings(*bar_).ExecuteNewElement());
  EXPECT_EQ(Snapshot().bytes, before.bytes);
}

TEST_F(SettingsDialog, TheBarsDeleteEntryGoesThroughTheDialog) {
  Layout({"Type=P;Name=Eins", "Type=P;Name=Zwei", "Type=P;Name=Drei"});
  EXPECT_TRUE(bar_->acAddElement()->isEnabled());
  EXPECT_TRUE(bar_->acEditElement()->isEnabled());
  TScopedModalAnswer answer(AnswerByResult(mrYes));
  bar_->PopupElements(bar_->ElementControls().Control(1), QPoint(), false);
  bar_->acDeleteElement()->trigger();
  EXPECT_EQ(Stored(), (QStringList{"Eins", "Drei"}));
  EXPECT_EQ(bar_->ElementControls().Count(), 2);
  EXPECT_FALSE(TwTolvexSettings(*bar_).ExecuteDeleteElement(2));
  EXPECT_TRUE(TwTolvexSettings(*bar_).ExecuteDeleteElement(0));
  EXPECT_EQ(Stored(), QStringList{"Drei"});
}

// Records the operations the bar asks for.
class TRecordingDialog : public ISettingsDialog {
 public:
  explicit TRecordingDialog(QStringList& calls) : calls_(calls) {}
  bool ExecuteSettings(int page) override { return Record("settings", page); }
  bool ExecuteNewElement() override { return Record("new", 0); }
  bool ExecuteElementProperties(int index) override { return Record("properties", index); }
  bool ExecuteDeleteElement(int index) override { return Record("delete", index); }

 private:
  bool Record(const QString& operation, int argument) {
    calls_ << operation + " " + QString::number(argument);
    return false;
  }
  QStringList& calls_;
};

TEST_F(SettingsDialog, TheBarsEntriesCallTheirOperationsWithTheElementsPlaceInTheFile) {
  // The skipped second clock makes "Zwei" the third control but the fourth element.
  Layout({"Type=P;Name=Eins", "Type=S;Kind=2", "Type=S;Kind=2", "Type=P;Name=Zwei"});
  QStringList calls;
  const TSettingsDialogFactory previous = RegisterSettingsDialog(
      [&calls](TwTolvexDesktop&) { return std::make_unique<TRecordingDialog>(calls); });
  TScopedModalAnswer answer(AnswerByResult(mrYes));
  QWidget* zwei = bar_->ElementControls().Control(bar_->ElementControls().Count() - 1);
  bar_->PopupElements(zwei, QPoint(), false);
  bar_->acEditElement()->trigger();
  bar_->acDeleteElement()->trigger();
  bar_->acAddElement()->trigger();
  for (QAction* entry : bar_->pmMain()->actions().mid(0, 2)) entry->trigger();
  RegisterSettingsDialog(previous);
  EXPECT_EQ(calls, (QStringList{"properties 3", "delete 3", "new 0", "settings 0", "settings 1"}));
  EXPECT_EQ(Stored().size(), 4);
}

}  // namespace
}  // namespace tolvex::test

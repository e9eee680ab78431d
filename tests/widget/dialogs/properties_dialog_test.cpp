// The element properties dialog and its icon list: filling and writing back
// the element, the icon index against the icons of the file, and icons
// extracted only when their rows are painted.
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "dialog_fixture.h"
#include "dialogs/icon_list_box.h"
#include "dialogs/properties_dialog.h"
#include "shared/modal.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

class PropertiesDialog : public DialogTest {
 protected:
  // Runs the dialog on `element`, answering it with `edit` and then `result`.
  bool Run(TTolvexElement& element, int result,
           const std::function<void(TwTolvexProperties&)>& edit = {}) {
    TwTolvexProperties dialog(bar_.get());
    TScopedModalAnswer answer([&](QDialog& shown) {
      if (edit) edit(dialog);
      return AnswerByResult(result)(shown);
    });
    return dialog.ExecuteProperties(element);
  }
};

TTolvexElement Launcher() {
  TTolvexElement element;
  element.Name = "Eins";
  element.Description = "Das erste";
  element.Target = "/opt/eins";
  element.Parameters = "-x";
  element.WorkingDir = "/tmp";
  element.ShowCommand = 1;
  return element;
}

TEST_F(PropertiesDialog, SizesAndShowCommandsAreWrittenBackInTheirFewForms) {
  struct Case {
    TTolvexElementSize size;
    int showCommand;
    bool large;
    QString show;
    TTolvexElementSize sizeAfter;
    int showCommandAfter;
  };
  for (const Case& c :
       {Case{ls16, 1, false, "Normales Fenster", ls16, 1},
        Case{ls32, 2, true, "Minimiert", ls32, 2}, Case{ls48, 3, true, "Maximiert", ls32, 3},
        Case{ls64, 0, true, "Normales Fenster", ls32, 1},
        Case{TTolvexElementSize(9), 7, false, "Normales Fenster", ls16, 1}}) {
    TTolvexElement element = Launcher();
    element.Size = c.size;
    element.ShowCommand = c.showCommand;
    bool large = false;
    QString show;
    EXPECT_TRUE(Run(element, mrOk, [&](TwTolvexProperties& dialog) {
      large = dialog.rbSymbolGross()->isChecked();
      show = dialog.cbShow()->currentText();
    }));
    EXPECT_EQ(large, c.large) << int(c.size);
    EXPECT_EQ(show, c.show) << c.showCommand;
    EXPECT_EQ(element.Size, c.sizeAfter) << int(c.size);
    EXPECT_EQ(element.ShowCommand, c.showCommandAfter) << c.showCommand;
  }
}

TEST_F(PropertiesDialog, TheFieldsAreFilledAndOkWritesTheEditsBack) {
  TTolvexElement element = Launcher();
  QString caption;
  EXPECT_TRUE(Run(element, mrOk, [&](TwTolvexProperties& dialog) {
    caption = dialog.windowTitle();
    EXPECT_EQ(dialog.pcSettings()->currentIndex(), 0);
    EXPECT_EQ(dialog.edBeschreibung()->text(), "Das erste");
    EXPECT_EQ(dialog.edZiel()->text(), "/opt/eins");
    dialog.edName()->setText("Zwei");
    dialog.edParameter()->setText("-y");
    dialog.edVerzeichnis()->setText("/home");
    dialog.cbShow()->setCurrentIndex(2);
    dialog.rbSymbolGross()->setChecked(true);
  }));
  EXPECT_EQ(caption, "Eigenschaften von Eins");
  EXPECT_EQ(element.Name, "Zwei");
  EXPECT_EQ(element.Parameters, "-y");
  EXPECT_EQ(element.WorkingDir, "/home");
  EXPECT_EQ(element.ShowCommand, 3);
  EXPECT_EQ(element.Size, ls32);
}

TEST_F(PropertiesDialog, CancelLeavesTheElementUntouched) {
  TTolvexElement element = Launcher();
  EXPECT_FALSE(Run(element, mrCancel, [](TwTolvexProperties& dialog) {
    dialog.edName()->setText("Anders");
    dialog.rbSymbolGross()->setChecked(true);
  }));
  EXPECT_EQ(element.Name, "Eins");
  EXPECT_EQ(element.Size, ls16);
}

TEST_F(PropertiesDialog, TheIconIndexIsCheckedAgainstTheIconsOfTheFile) {
  const QString three = Path("three.dll");
  WriteIconLibrary(three, 3);
  struct Case {
    QString iconFile;
    int iconIndex;
    bool enabled;
    int selected;
    int stored;
  };
  for (const Case& c : {Case{three, 7, true, 0, 0}, Case{three, 2, true, 2, 2},
                        Case{Path("missing.dll"), 1, false, -1, -1},
                        // A negative index names an icon group; it is kept.
                        Case{three, -3, true, -1, -3}}) {
    TTolvexElement element = Launcher();
    element.IconFile = c.iconFile;
    element.IconIndex = c.iconIndex;
    bool enabled = false;
    int selected = -2;
    EXPECT_TRUE(Run(element, mrOk, [&](TwTolvexProperties& dialog) {
      enabled = dialog.lbSymbole()->isEnabled();
      selected = dialog.lbSymbole()->ItemIndex();
    }));
    EXPECT_EQ(enabled, c.enabled) << c.iconIndex;
    EXPECT_EQ(selected, c.selected) << c.iconIndex;
    EXPECT_EQ(element.IconIndex, c.stored) << c.iconIndex;
    EXPECT_EQ(element.IconFile, c.iconFile);
  }
}

TEST_F(PropertiesDialog, TheIconFileIsTheListsFileOnceTheFieldLosesTheFocus) {
  const QString first = Path("first.dll");
  const QString second = Path("second.dll");
  WriteIconLibrary(first, 2);
  WriteIconLibrary(second, 4);
  for (bool leave : {false, true}) {
    TTolvexElement element = Launcher();
    element.IconFile = first;
    int icons = -1;
    EXPECT_TRUE(Run(element, mrOk, [&](TwTolvexProperties& dialog) {
      dialog.edSymboldatei()->setText(second);
      if (leave) {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(dialog.edSymboldatei(), &out);
      }
      icons = dialog.lbSymbole()->NumberOfIcons();
    }));
    EXPECT_EQ(element.IconFile, leave ? second : first);
    EXPECT_EQ(icons, leave ? 4 : 2);
  }
}

TEST_F(PropertiesDialog, TheIconBrowserSetsFieldAndListAndTheTargetBrowserOnlyTheTarget) {
  const QString icons = Path("icons.dll");
  WriteIconLibrary(icons, 5);
  TTolvexElement element = Launcher();
  EXPECT_TRUE(Run(element, mrOk, [&](TwTolvexProperties& dialog) {
    TScopedModalAnswer files(AnswerFileDialog(icons));
    dialog.btZiel()->click();
    EXPECT_EQ(dialog.edSymboldatei()->text(), "");
    dialog.btSymboldatei()->click();
    EXPECT_EQ(dialog.edSymboldatei()->text(), icons);
    EXPECT_EQ(dialog.lbSymbole()->NumberOfIcons(), 5);
  }));
  EXPECT_EQ(element.Target, icons);
  EXPECT_EQ(element.IconFile, icons);
  EXPECT_EQ(element.IconIndex, 0);
}

TEST_F(PropertiesDialog, OfAHundredAndTwentyIconsOnlyThoseInViewAreExtracted) {
  const QString library = Path("many.dll");
  WriteIconLibrary(library, 120);
  TrIconListBox list;
  list.resize(257, 61);
  list.SetFileName(library);
  ASSERT_EQ(list.count(), 120);
  EXPECT_EQ(list.NumberOfIcons(), 120);
  EXPECT_EQ(list.item(0)->text(), "0");
  EXPECT_EQ(list.item(119)->text(), "119");
  EXPECT_TRUE(shell_->extracted.empty());

  list.show();
  list.grab();
  const std::size_t visible = shell_->extracted.size();
  EXPECT_GE(visible, 6u);
  EXPECT_LE(visible, 8u);
  EXPECT_EQ(shell_->extracted.count(119), 0u);
  EXPECT_FALSE(list.Icon(0).isNull());

  list.SetItemIndex(119);
  list.grab();
  EXPECT_EQ(shell_->extracted.count(119), 1u);
  for (const auto& [index, times] : shell_->extracted) EXPECT_EQ(times, 1) << index;
  EXPECT_LT(shell_->extracted.size(), 2 * visible + 1);
}

TEST_F(PropertiesDialog, TheSameFileNameNeitherReloadsNorFires) {
  const QString library = Path("two.dll");
  WriteIconLibrary(library, 2);
  TrIconListBox list;
  QSignalSpy changes(&list, &TrIconListBox::OnFileChange);
  list.SetFileName(library);
  EXPECT_EQ(changes.count(), 1);
  const int counted = shell_->counted;
  list.SetItemIndex(1);
  list.SetFileName(library);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(shell_->counted, counted);
  EXPECT_EQ(list.ItemIndex(), 1);
}

TEST_F(PropertiesDialog, WithoutCachingEveryIconIsExtractedAtLoadTime) {
  const QString library = Path("ten.dll");
  WriteIconLibrary(library, 10);
  TrIconListBox list;
  list.SetEnableCaching(false);
  list.SetFileName(library);
  EXPECT_EQ(shell_->extracted.size(), 10u);
}

}  // namespace
}  // namespace tolvex::test

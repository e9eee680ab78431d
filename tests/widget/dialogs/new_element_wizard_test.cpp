// The new-element wizard: the snap-ins it offers, the button states of its
// pages, the name it proposes and the file dialog for a missing file.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/elements.h"
#include "dialogs/new_element_wizard.h"
#include "shared/modal.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

TTolvexElementList SnapIns(std::initializer_list<int> numbers) {
  TTolvexElementList list;
  for (int number : numbers) {
    auto element = std::make_unique<TTolvexElement>();
    element->ElementKind = TTolvexElementKind::ekBuiltIn;
    element->SnapInNumber = std::uint8_t(number);
    list.Add(std::move(element));
  }
  return list;
}

QStringList Offered(const QComboBox& box) {
  QStringList offered;
  for (int i = 0; i < box.count(); ++i) offered << box.itemText(i);
  return offered;
}

class NewElementWizard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  QString File(const QString& name) const {
    const QString path = folder_.path() + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
  }

  QTemporaryDir folder_;
};

TEST_F(NewElementWizard, OnlySnapInsNotInTheBarAreOfferedInTheirOrder) {
  struct Case {
    std::initializer_list<int> present;
    QStringList offered;
    int chosen;
  };
  for (const Case& c :
       {Case{{3, 4},
             {"tolvexAmp: Winamp-Fernsteuerung", "tolvexTerminator: Windows beenden",
              "tolvexDialup: Einwahl über DFÜ-Netzwerk", "tolvexPic: Bildanzeige"},
             2},
        Case{{7, 2, 5, 6, 3}, {"tolvexNotes: Notizen und Aufgaben"}, 4},
        Case{{2, 3, 4, 5, 6, 7}, {}, 0}}) {
    TwNewElement wizard(nullptr);
    const TTolvexElementList list = SnapIns(c.present);
    int number = -1;
    TScopedModalAnswer answer([&](QDialog&) {
      EXPECT_EQ(Offered(*wizard.cbSnapIn()), c.offered);
      EXPECT_EQ(wizard.cbSnapIn()->currentIndex(), c.offered.isEmpty() ? -1 : 0);
      wizard.rbSnapIn()->click();
      EXPECT_EQ(wizard.btNextPage()->text(), "&Fertig stellen");
      wizard.btNextPage()->click();
      number = wizard.ChosenSnapInNumber();
      return wizard.result();
    });
    EXPECT_TRUE(wizard.RunWizard(list));
    EXPECT_EQ(wizard.ChosenKind(), TTolvexElementKind::ekBuiltIn);
    EXPECT_EQ(number, c.chosen);
  }
}

TEST_F(NewElementWizard, TheRadioButtonsAndPagesSetTheButtonsAndTheLabel) {
  TwNewElement wizard(nullptr);
  struct State {
    bool back;
    QString next;
    QString label;
    bool filename;
    bool snapIns;
  };
  const auto state = [&] {
    return State{wizard.btPrevPage()->isEnabled(), wizard.btNextPage()->text(),
                 wizard.txFilename()->text(), wizard.edFilename()->isVisibleTo(&wizard),
                 wizard.cbSnapIn()->isVisibleTo(&wizard)};
  };
  const auto expect = [&](const State& want, const char* when) {
    const State got = state();
    EXPECT_EQ(got.back, want.back) << when;
    EXPECT_EQ(got.next, want.next) << when;
    EXPECT_EQ(got.label, want.label) << when;
    EXPECT_EQ(got.filename, want.filename) << when;
    EXPECT_EQ(got.snapIns, want.snapIns) << when;
  };
  expect({false, "&Weiter >", "B&efehlszeile:", true, false}, "at start");
  EXPECT_TRUE(wizard.rbProgram()->isChecked());
  wizard.rbSnapIn()->click();
  expect({false, "&Fertig stellen", "Snap-&In:", false, true}, "snap-in");
  wizard.rbProgram()->click();
  expect({false, "&Weiter >", "B&efehlszeile:", true, false}, "program again");

  wizard.edFilename()->setText(File("tool"));
  wizard.acNextPageExecute();
  EXPECT_EQ(wizard.PageIndex(), 1);
  EXPECT_TRUE(wizard.btPrevPage()->isEnabled());
  EXPECT_EQ(wizard.btNextPage()->text(), "&Fertig stellen");
  wizard.edName()->setText("Mein Name");
  wizard.acPrevPageExecute();
  EXPECT_EQ(wizard.PageIndex(), 0);
  EXPECT_EQ(wizard.btNextPage()->text(), "&Weiter >");
  EXPECT_EQ(wizard.edName()->text(), "Mein Name");
}

TEST_F(NewElementWizard, AnExistingFileIsNamedUpToItsFirstDotWithoutAFileDialog) {
  struct Case {
    QString file;
    QString proposed;
  };
  for (const Case& c : {Case{"my.tool.exe", "my"}, Case{"tool", "tool"},
                        Case{"Mein Programm.sh", "Mein Programm"}}) {
    TwNewElement wizard(nullptr);
    bool fileDialog = false;
    TScopedModalAnswer answer([&](QDialog&) {
      fileDialog = true;
      return int(QDialog::Rejected);
    });
    wizard.edFilename()->setText(File(c.file));
    wizard.acNextPageExecute();
    EXPECT_FALSE(fileDialog) << c.file.toStdString();
    EXPECT_EQ(wizard.PageIndex(), 1);
    EXPECT_EQ(wizard.ElementName(), c.proposed);
    EXPECT_EQ(wizard.CommandLine(), folder_.path() + "/" + c.file);
  }
}

TEST_F(NewElementWizard, AMissingFileOpensTheFileDialogWhoseCancelKeepsPageOne) {
  const QString missing = folder_.path() + "/missing.exe";
  const QString chosen = File("gefunden.bin");
  struct Case {
    QString answer;
    int page;
    QString commandLine;
    QString name;
  };
  for (const Case& c : {Case{"", 0, missing, ""}, Case{chosen, 1, chosen, "gefunden"}}) {
    TwNewElement wizard(nullptr);
    QString title;
    QString preset;
    TScopedModalAnswer answer([&](QDialog& shown) {
      auto& files = static_cast<QFileDialog&>(shown);
      title = files.windowTitle();
      preset = files.directory().absolutePath();
      return AnswerFileDialog(c.answer)(shown);
    });
    wizard.edFilename()->setText(missing);
    wizard.acNextPageExecute();
    EXPECT_EQ(title, "Durchsuchen");
    EXPECT_EQ(preset, folder_.path());
    EXPECT_EQ(wizard.PageIndex(), c.page);
    EXPECT_EQ(wizard.CommandLine(), c.commandLine);
    EXPECT_EQ(wizard.ElementName(), c.name);
  }
}

TEST_F(NewElementWizard, BrowsingPutsTheChosenPathIntoTheCommandLine) {
  const QString chosen = File("anders.exe");
  TwNewElement wizard(nullptr);
  wizard.edFilename()->setText("irgendwas");
  {
    TScopedModalAnswer answer(AnswerFileDialog(""));
    wizard.btDurchsuchen()->click();
    EXPECT_EQ(wizard.CommandLine(), "irgendwas");
  }
  TScopedModalAnswer answer(AnswerFileDialog(chosen));
  wizard.btDurchsuchen()->click();
  EXPECT_EQ(wizard.CommandLine(), chosen);
  EXPECT_EQ(wizard.PageIndex(), 0);
}

}  // namespace
}  // namespace tolvex::test

// Switching a small form between languages: applying the table, capturing
// the texts the program set at run time, and the errors of unknown languages.
#include "shared/translator.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shared/error.h"
#include "shared/translator_list.h"
#include "support/qt_printers.h"

namespace tolvex {
namespace {

const char16_t kTable[] =
    uR"tx(
'Version: 2.00'
'Languages' ( 'Deutsch' 'English' )
'Currentlanguage: Deutsch'
'ShowProperties: spAllAdded'
(
  'TForm.Caption: True, True'
  'TLabel.Caption: True, True'
  'TButton.Caption: False, False'
  'TMemo.Lines[]: False, True'
  'TControl.Hint: True, True'
)
(
  'TwTestForm(wTestForm).Caption: True' ( 'Testformular' 'Test form' )
  'TLabel(txTranslated).Caption: True' ( '&Wert:' '&Value:' )
  'TLabel(txNested).Caption: True' ( 'innen' 'inside' )
  'TLabel(txRunTime).Caption: False'
  'TMemo(mmLines).Lines[1]: True' ( 'zwei' 'two' )
  'TCheckBox(cbHint).Hint: True' ( 'Hinweis' 'Hint' )
  'TLabel(txGone).Caption: True' ( 'weg' 'gone' )
)
(
  'Greeting' ( 'Hallo' 'Hello' )
)
)tx";

class TwTestForm : public QDialog {
  Q_OBJECT

 public:
  explicit TwTestForm(bool programWide = false) {
    setObjectName("wTestForm");
    setWindowTitle("stored caption");
    txTranslated = Add<QLabel>("txTranslated", "stored");
    txRunTime = Add<QLabel>("txRunTime", "stored");
    txUnlisted = Add<QLabel>("txUnlisted", "frei");
    btPlain = Add<QPushButton>("btPlain", "Knopf");
    cbHint = Add<QCheckBox>("cbHint", "Haken");
    mmLines = Add<QPlainTextEdit>("mmLines", QString());
    mmLines->setPlainText("eins\nzwo\ndrei");
    auto* pnInner = Add<QWidget>("pnInner", QString());
    txNested = new QLabel(pnInner);
    txNested->setObjectName("txNested");
    translator = programWide ? new TtxTranslator(this) : new TTranslator(this);
    translator->Load(kTable);
  }

  template <class W>
  W* Add(const char* name, const QString& text) {
    auto* widget = new W(this);
    widget->setObjectName(name);
    if constexpr (!std::is_same_v<W, QWidget> && !std::is_same_v<W, QPlainTextEdit>)
      widget->setText(text);
    return widget;
  }

  QString Lines() const { return mmLines->toPlainText(); }

  QLabel* txTranslated;
  QLabel* txRunTime;
  QLabel* txUnlisted;
  QLabel* txNested;
  QPushButton* btPlain;
  QCheckBox* cbHint;
  QPlainTextEdit* mmLines;
  TTranslator* translator;
};

TEST(Translator, LoadingShowsTheTablesCurrentLanguage) {
  TwTestForm form;
  EXPECT_EQ(form.translator->Language(), "Deutsch");
  EXPECT_EQ(form.windowTitle(), "Testformular");
  EXPECT_EQ(form.txTranslated->text(), "&Wert:");
  EXPECT_EQ(form.txNested->text(), "innen");
  EXPECT_EQ(form.txRunTime->text(), "stored");
  EXPECT_EQ(form.cbHint->toolTip(), "Hinweis");
  EXPECT_EQ(form.Lines(), "eins\nzwei\ndrei");
}

TEST(Translator, SwitchingChangesOnlyTranslatedEntries) {
  TwTestForm form;
  form.translator->SetLanguage("English");
  EXPECT_EQ(form.translator->Language(), "English");
  EXPECT_EQ(form.windowTitle(), "Test form");
  EXPECT_EQ(form.txTranslated->text(), "&Value:");
  EXPECT_EQ(form.txNested->text(), "inside");
  EXPECT_EQ(form.cbHint->toolTip(), "Hint");
  EXPECT_EQ(form.Lines(), "eins\ntwo\ndrei");
  // Managed by a class rule, but without an entry of their own.
  EXPECT_EQ(form.txUnlisted->text(), "frei");
  EXPECT_EQ(form.btPlain->text(), "Knopf");
  EXPECT_EQ(form.cbHint->text(), "Haken");

  form.translator->SetLanguage("Deutsch");
  EXPECT_EQ(form.txTranslated->text(), "&Wert:");
  EXPECT_EQ(form.Lines(), "eins\nzwei\ndrei");
}

TEST(Translator, TranslateFalseEntryKeepsRunTimeText) {
  TwTestForm form;
  form.txRunTime->setText("zur Laufzeit");
  form.translator->SetLanguage("English");
  EXPECT_EQ(form.txRunTime->text(), "zur Laufzeit");
  form.txRunTime->setText("at run time");
  form.translator->SetLanguage("Deutsch");
  EXPECT_EQ(form.txRunTime->text(), "at run time");
}

TEST(Translator, RunTimeTextBecomesTheCurrentLanguagesText) {
  TwTestForm form;
  form.txTranslated->setText("Neu:");
  form.translator->SetLanguage("English");
  EXPECT_EQ(form.txTranslated->text(), "&Value:");
  form.translator->SetLanguage("Deutsch");
  EXPECT_EQ(form.txTranslated->text(), "Neu:");
}

TEST(Translator, CapturingAddsEntriesWithTheClassRulesFlag) {
  TwTestForm form;
  form.translator->SetLanguage("English");
  const TTranslationTable& table = form.translator->Table();
  const TComponentEntry* label = table.FindEntry("txUnlisted", "Caption");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(*label, (TComponentEntry{"TLabel", "txUnlisted", "Caption", true, {"frei", "frei"}}));
  const TComponentEntry* button = table.FindEntry("btPlain", "Caption");
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->translate);
  const TComponentEntry* line = table.FindEntry("mmLines", "Lines[2]");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->texts, QStringList({"drei", "drei"}));
  // Unnamed objects and the entries of missing components are left alone.
  EXPECT_EQ(table.FindEntry("", "Caption"), nullptr);
  EXPECT_NE(table.FindEntry("txGone", "Caption"), nullptr);
}

TEST(Translator, UnknownLanguageRaisesAndChangesNothing) {
  TwTestForm form;
  form.txTranslated->setText("zur Laufzeit");
  try {
    form.translator->SetLanguage("Francais");
    FAIL();
  } catch (const EtxError& error) {
    EXPECT_EQ(error.Message(), "Unknown language 'Francais'");
  }
  EXPECT_EQ(form.translator->Language(), "Deutsch");
  EXPECT_EQ(form.txTranslated->text(), "zur Laufzeit");
  EXPECT_EQ(form.translator->Table().FindEntry("txTranslated", "Caption")->texts[0], "&Wert:");
}

TEST(Translator, SettingTheCurrentLanguageDoesNothing) {
  TwTestForm form;
  form.txTranslated->setText("zur Laufzeit");
  form.translator->SetLanguage("Deutsch");
  EXPECT_EQ(form.txTranslated->text(), "zur Laufzeit");
  EXPECT_EQ(form.translator->Table().FindEntry("txTranslated", "Caption")->texts[0], "&Wert:");
}

TEST(Translator, TranslatedTextFollowsTheLanguage) {
  TwTestForm form;
  EXPECT_EQ(form.translator->TranslatedText("Greeting"), "Hallo");
  EXPECT_EQ(form.translator->TranslatedText("BtnMaybe"), "[BtnMaybe]");
  form.translator->SetLanguage("English");
  EXPECT_EQ(form.translator->TranslatedText("Greeting"), "Hello");
}

class ProgramWideLanguage : public ::testing::Test {
 protected:
  void TearDown() override { TtxTranslatorList::Instance().SetCurrentLanguageIndex(0); }
};

TEST_F(ProgramWideLanguage, ListNamesItsIndexes) {
  TtxTranslatorList& list = TtxTranslatorList::Instance();
  EXPECT_EQ(list.CurrentLanguageIndex(), 0);
  EXPECT_EQ(list.CurrentLanguageName(), "Deutsch");
  list.SetCurrentLanguageIndex(1);
  EXPECT_EQ(list.CurrentLanguageName(), "English");
  list.SetCurrentLanguageIndex(2);
  EXPECT_EQ(list.CurrentLanguageName(), "");
}

TEST_F(ProgramWideLanguage, LoadedFormAdoptsIt) {
  TtxTranslatorList::Instance().SetCurrentLanguageIndex(1);
  TwTestForm english(true);
  EXPECT_EQ(english.translator->Language(), "English");
  EXPECT_EQ(english.txTranslated->text(), "&Value:");

  // A language the table lacks: the form keeps the texts it loaded with.
  TtxTranslatorList::Instance().SetCurrentLanguageIndex(7);
  TwTestForm unknown(true);
  EXPECT_EQ(unknown.translator->Language(), "Deutsch");
  EXPECT_EQ(unknown.txTranslated->text(), "&Wert:");
}

}  // namespace
}  // namespace tolvex

#include "translator_test.moc"

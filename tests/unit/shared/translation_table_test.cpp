// Reading the translation table's stored form: its errors, the cutting of
// lines, boolean words, and round trips through the writer.
#include "shared/translation_table.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "shared/error.h"

namespace tolvex {
namespace {

// A stored table whose first line is `version` and whose three lists are
// `rules`, `entries` and `strings`.
QString Stored(const QString& version = "Version: 2.00", const QString& rules = "",
               const QString& entries = "", const QString& strings = "",
               const QString& current = "Currentlanguage: Deutsch",
               const QString& show = "ShowProperties: spTranslatedOnly") {
  return "'" + version + "' 'Languages' ( 'Deutsch' 'English' ) '" + current + "' '" + show +
         "' (" + rules + ") (" + entries + ") (" + strings + ")";
}

QString ReadError(const QString& stored) {
  try {
    TTranslationTable::Read(stored);
  } catch (const EtxError& error) {
    return error.Message();
  }
  return "no error";
}

TEST(TranslationTable, VersionAndLanguagesErrors) {
  const QString newer =
      "Cannot read dfm! Your TTranslator version is 2.10, but the dfm is saved using a newer "
      "version!";
  struct Case {
    QString stored;
    QString error;
  };
  const Case cases[] = {
      {Stored("Version: 2.1"), "Invalid version number!"},
      {Stored("Version: 2.001"), "Invalid version number!"},
      {Stored("Version 2.00"), "Invalid version number!"},
      {Stored("Version: 2.00 "), "Invalid version number!"},
      {Stored("Version: .00"), "Invalid version number!"},
      {Stored("Version: 2.0x"), "Invalid version number!"},
      {"( 'Version: 2.00' )", "Invalid version number!"},
      {"", "Invalid version number!"},
      {Stored("Version: 2.01"), newer},
      {Stored("Version: 2.10"), newer},
      {Stored("Version: 10.00"), newer},
      {Stored("Version: 99999999999999999999.00"), newer},
      {"'Version: 2.00' 'Sprachen' ( 'Deutsch' )", "Error reading Languages!"},
      {"'Version: 2.00'", "Error reading Languages!"},
      {"'Version: 2.00' ( 'Languages' )", "Error reading Languages!"},
      {"'Version: 2.00' 'Languages' ( 'Deutsch' )", "Error reading translations!"},
      {"'Version: 2.00' 'Languages' 'Deutsch'", "Error reading translations!"},
      {Stored("Version: 2.00", "( 'nested' )"), "Error reading translations!"},
      {Stored("Version: 2.00", "", "( 'list where a line belongs' )"),
       "Error reading translations!"},
      {"'Version: 2.00' 'unterminated",
       "Error reading stored list at character 17: unterminated text!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.toStdString());
    EXPECT_EQ(ReadError(c.stored), c.error);
  }
}

TEST(TranslationTable, OlderVersionsAndTheCurrentOneAreRead) {
  for (const char* version : {"Version: 2.00", "Version: 1.03", "Version: 02.00"}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(ReadError(Stored(version)), "no error");
  }
}

TEST(TranslationTable, ReadsLanguagesAndOptions) {
  TTranslationTable table = TTranslationTable::Read(Stored());
  EXPECT_EQ(table.languages, QStringList({"Deutsch", "English"}));
  EXPECT_EQ(table.currentIndex, 0);
  EXPECT_EQ(table.showProperties, TShowProperties::spTranslatedOnly);

  table = TTranslationTable::Read(Stored("Version: 2.00", "", "", "", "Currentlanguage: English",
                                         "ShowProperties: spAllAdded"));
  EXPECT_EQ(table.currentIndex, 1);
  EXPECT_EQ(table.showProperties, TShowProperties::spAllAdded);

  // An unknown language selects the first; an unknown option leaves the default.
  table = TTranslationTable::Read(Stored("Version: 2.00", "", "", "", "Currentlanguage: Francais",
                                         "ShowProperties: spSomething"));
  EXPECT_EQ(table.currentIndex, 0);
  EXPECT_EQ(table.showProperties, TShowProperties::spAllAdded);
}

TEST(TranslationTable, CutsClassRulesAndReadsBooleanWords) {
  const TTranslationTable table = TTranslationTable::Read(
      Stored("Version: 2.00",
             "'TLabel.Caption: True, True' '  TButton . Caption :false,TRUE ' "
             "'TMemo.Lines[]: tRuE, yes' 'TForm.Caption: 1, 0' 'Broken'"));
  const std::vector<TClassRule> expected = {
      {"TLabel", "Caption", true, true}, {"TButton", "Caption", false, true},
      {"TMemo", "Lines[]", true, false}, {"TForm", "Caption", false, false},
      {"Broken", "", false, false},
  };
  EXPECT_EQ(table.classRules, expected);
}

TEST(TranslationTable, ReadsComponentEntriesWithTheirTexts) {
  const TTranslationTable table =
      TTranslationTable::Read(Stored("Version: 2.00", "",
                                     "'TLabel(txParameter).Caption: True' ( '&Wert:' '&Value:' ) "
                                     "'TLabel(txEmpty).Caption: True' '' "
                                     "'TLabel(txHeadline).Caption: False' "
                                     "'TMemo( mmText ). Lines[1] : true' ( 'nur eins' ) "
                                     "'TLabel(txMany).Caption: True' ( 'a' 'b' 'c' ) "
                                     "'TLabel(txLast).Caption: True'"));
  ASSERT_EQ(table.entries.size(), 6u);
  EXPECT_EQ(table.entries[0],
            (TComponentEntry{"TLabel", "txParameter", "Caption", true, {"&Wert:", "&Value:"}}));
  EXPECT_EQ(table.entries[1], (TComponentEntry{"TLabel", "txEmpty", "Caption", true, {"", ""}}));
  EXPECT_EQ(table.entries[2],
            (TComponentEntry{"TLabel", "txHeadline", "Caption", false, {"", ""}}));
  EXPECT_EQ(table.entries[3],
            (TComponentEntry{"TMemo", "mmText", "Lines[1]", true, {"nur eins", ""}}));
  EXPECT_EQ(table.entries[4], (TComponentEntry{"TLabel", "txMany", "Caption", true, {"a", "b"}}));
  EXPECT_EQ(table.entries[5], (TComponentEntry{"TLabel", "txLast", "Caption", true, {"", ""}}));
  EXPECT_EQ(table.FindEntry("txParameter", "Caption"), &table.entries[0]);
  EXPECT_EQ(table.FindEntry("txParameter", "Hint"), nullptr);
}

TEST(TranslationTable, ReadsNamedStrings) {
  const TTranslationTable table = TTranslationTable::Read(Stored(
      "Version: 2.00", "", "", "'BtnYes' ( '&Ja' '&Yes' ) 'BtnNone' 'BtnNo' ( '&Nein' '&No' )"));
  ASSERT_EQ(table.strings.size(), 3u);
  EXPECT_EQ(table.FindString("BtnYes")->texts, QStringList({"&Ja", "&Yes"}));
  EXPECT_EQ(table.FindString("BtnNone")->texts, QStringList({"", ""}));
  EXPECT_EQ(table.FindString("BtnNo")->texts, QStringList({"&Nein", "&No"}));
  EXPECT_EQ(table.FindString("BtnMaybe"), nullptr);
}

TEST(TranslationTable, WrittenTableReadsBackUnchanged) {
  TTranslationTable table;
  table.languages = {"Deutsch", "English"};
  table.currentIndex = 1;
  table.showProperties = TShowProperties::spTranslatedOnly;
  table.classRules = {{"TLabel", "Caption", true, true}, {"TMemo", "Lines[]", false, false}};
  table.entries = {{"TLabel", "txA", "Caption", true, {"Ja 'sicher'", "Yes (sure)"}},
                   {"TLabel", "txB", "Caption", true, {"gleich", "gleich"}},
                   {"TLabel", "txC", "Caption", false, {"", ""}},
                   {"TMemo", "mmD", "Lines[0]", true, {"zwei\nZeilen", ""}}};
  table.strings = {{"BtnYes", {"&Ja", "&Yes"}}, {"Leer", {"", ""}}};
  const QString text = table.WriteText();
  EXPECT_EQ(TTranslationTable::Read(text), table);
  EXPECT_EQ(TTranslationTable::Read(text).WriteText(), text);
  EXPECT_TRUE(text.contains("  'TLabel(txB).Caption: True'\n  'gleich'\n"));
  EXPECT_TRUE(
      text.startsWith("'Version: 2.00'\n'Languages'\n(\n  'Deutsch'\n  'English'\n)\n"
                      "'Currentlanguage: English'\n'ShowProperties: spTranslatedOnly'\n"));
}

}  // namespace
}  // namespace tolvex

// The text form of stored lists: reading, writing and the errors of text
// that does not follow the grammar.
#include "shared/stored_list.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "shared/error.h"

namespace tolvex {
namespace {

TEST(StoredList, ReadsTextsAndNestedLists) {
  const TStoredList list = ReadStoredList(u"'a' ( 'it''s' '' ( 'x\ny' ) )\n\t'(not a list)'");
  const TStoredList expected = {
      TStoredItem::Text("a"),
      TStoredItem::List({TStoredItem::Text("it's"), TStoredItem::Text(""),
                         TStoredItem::List({TStoredItem::Text("x\ny")})}),
      TStoredItem::Text("(not a list)"),
  };
  EXPECT_EQ(list, expected);
}

TEST(StoredList, WrittenFormReadsBackUnchanged) {
  const TStoredList list = {
      TStoredItem::Text("Version: 2.00"),
      TStoredItem::List({TStoredItem::Text(" blanks kept "), TStoredItem::Text("'quoted'"),
                         TStoredItem::List({}), TStoredItem::Text("zwei\nZeilen ü")}),
  };
  EXPECT_EQ(ReadStoredList(WriteStoredList(list)), list);
}

TEST(StoredList, EmptyTextIsAnEmptyList) {
  EXPECT_TRUE(ReadStoredList(u"").empty());
  EXPECT_TRUE(ReadStoredList(u"  \n ").empty());
}

TEST(StoredList, MalformedTextRaisesError) {
  const char16_t* const cases[] = {
      u"'unterminated", u"( 'a'", u"'a' )",
      u"abc",           u"'a' x", u"((((((((((((((((((('deep')))))))))))))))))))",
  };
  for (const char16_t* text : cases) {
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    EXPECT_THROW(ReadStoredList(text), EtxError);
  }
}

TEST(StoredList, ErrorNamesThePosition) {
  try {
    ReadStoredList(u"'a' x");
    FAIL();
  } catch (const EtxError& error) {
    EXPECT_EQ(error.Message(), "Error reading stored list at character 5: unexpected character!");
  }
}

}  // namespace
}  // namespace tolvex

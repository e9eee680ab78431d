// Writes of the private-profile engine: where new keys and sections go, what
// deletes, which line endings and encoding a written file has.
#include <gtest/gtest.h>

#include <QDir>

#include <optional>
#include <string>

#include "platform/profile/profile_engine.h"
#include "profile_test_files.h"

namespace tolvex::platform::profile {
namespace {

struct WriteCase {
  const char* name;
  std::string before;  // "<missing>": no file
  std::string section;
  std::optional<std::string> key;
  std::optional<std::string> value;
  std::string after;
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesTheFileAsThePlatformFunctionDoes) {
  const WriteCase& c = GetParam();
  TestFiles files;
  const std::string path =
      c.before == "<missing>" ? files.Path("write.ini") : files.Write("write.ini", c.before);
  ProfileEngine engine;
  std::optional<std::string_view> key, value;
  if (c.key) key = *c.key;
  if (c.value) value = *c.value;
  EXPECT_TRUE(engine.WriteString(path, c.section, key, value));
  EXPECT_EQ(files.Read("write.ini"), c.after);
}

const std::nullopt_t kNull = std::nullopt;

const WriteCase kWriteCases[] = {
    {"MissingFileCreated", "<missing>", "S", "k", "v", "[S]\nk=v\n"},
    {"ValueReplaced", "[S]\nk=old\nj=1\n", "S", "k", "new", "[S]\nk=new\nj=1\n"},
    {"KeySpellingAndSpacingKept", "[S]\n  Key = old\n", "S", "KEY", "new", "[S]\n  Key =new\n"},
    {"FirstDuplicateReplaced", "[S]\nk=1\nk=2\n", "S", "k", "3", "[S]\nk=3\nk=2\n"},
    {"NewKeyAtEndOfSection", "[S]\na=1\n\n[T]\nb=2\n", "S", "k", "v",
     "[S]\na=1\nk=v\n\n[T]\nb=2\n"},
    {"NewKeyAfterComment", "[S]\na=1\n;note\n[T]\n", "S", "k", "v", "[S]\na=1\n;note\nk=v\n[T]\n"},
    {"NewKeyInFirstDuplicateSection", "[S]\na=1\n[S]\n", "s", "k", "v", "[S]\na=1\nk=v\n[S]\n"},
    {"NewSectionAtEnd", "[S]\na=1\n", "T", "k", "v", "[S]\na=1\n[T]\nk=v\n"},
    {"NewSectionAfterLastLineWithoutBreak", "[S]\na=1", "T", "k", "v", "[S]\na=1\n[T]\nk=v\n"},
    {"NewKeyAfterLastLineWithoutBreak", "[S]\na=1", "S", "k", "v", "[S]\na=1\nk=v\n"},
    {"CrLfKept", "[S]\r\na=1\r\n", "S", "k", "v", "[S]\r\na=1\r\nk=v\r\n"},
    {"CrKept", "[S]\ra=1\r", "T", "k", "v", "[S]\ra=1\r[T]\rk=v\r"},
    {"EachLineKeepsItsEnding", "[S]\r\na=1\nb=2\r", "S", "a", "3", "[S]\r\na=3\nb=2\r"},
    {"ValueWrittenVerbatim", "", "S", "k", "  \"x\" ; y ", "[S]\nk=  \"x\" ; y \n"},
    {"LineBreakInValueBecomesBlank", "", "S", "k", "a\r\nb", "[S]\nk=a  b\n"},
    {"CommentsAndOtherLinesKept", ";top\n[S]\n; c\nnoequals\nk=1\n", "S", "k", "2",
     ";top\n[S]\n; c\nnoequals\nk=2\n"},
    {"NullValueDeletesKey", "[S]\na=1\nk=2\nb=3\n", "S", "k", kNull, "[S]\na=1\nb=3\n"},
    {"NullValueDeletesDuplicatesToo", "[S]\nk=1\nK=2\n", "S", "k", kNull, "[S]\n"},
    {"NullKeyDeletesSectionButKeepsItsComments", "[S]\na=1\n;c\nother\n\n[T]\nb=2\n", "s", kNull,
     kNull, ";c\n[T]\nb=2\n"},
    {"KeptCommentsStayBelowTheSectionBefore", "[A]\na=1\n[S]\n ; c\nk=2\n[T]\n", "S", kNull, kNull,
     "[A]\na=1\n ; c\n[T]\n"},
    {"NullKeyDeletesEveryDuplicate", "[S]\na=1\n[T]\n[S]\nb=2\n", "S", kNull, kNull, "[T]\n"},
    {"DeletingMissingKeyLeavesFileAlone", "[S]\r\n", "S", "k", kNull, "[S]\r\n"},
    {"DeletingInMissingFileCreatesNothing", "<missing>", "S", "k", kNull, "<missing>"},
    {"Windows1252LineKeptNewLineUtf8",
     "[S]\nk=Gr\xFC\xDF"
     "e\n",
     "S", "j", "ü",
     "[S]\nk=Gr\xFC\xDF"
     "e\nj=ü\n"},
    {"Utf16StaysUtf16", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12), "S", "k", "ü",
     std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xFC\0\r\0\n\0", 22)},
    {"NewSectionInHeaderWithoutBracket", "[S\na=1\n", "S", "k", "v", "[S\na=1\nk=v\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[S]\n", "S", "k", "v", "\xEF\xBB\xBF[S]\nk=v\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWrite, ReadsBackWhatItWrote) {
  TestFiles files;
  const std::string path = files.Path("round.ini");
  ProfileEngine engine;
  ASSERT_TRUE(engine.WriteString(path, "Grüße", "Schlüssel", "Wert mit Ümlaut"));
  EXPECT_EQ(engine.ReadString(path, "GRÜßE", "SCHLÜSSEL", "d"), "Wert mit Ümlaut");
}

TEST(ProfileWrite, FailedWriteLeavesFileAndMemoryUnchanged) {
  TestFiles files;
  ProfileEngine engine;
  // A folder that does not exist is not created.
  EXPECT_FALSE(engine.WriteString(files.Path("no/such/folder.ini"), "S", "k", "v"));
  EXPECT_EQ(files.Read("no/such/folder.ini"), "<missing>");
  // A file name that is a folder cannot be replaced.
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(files.Path("dir.ini"))));
  EXPECT_FALSE(engine.WriteString(files.Path("dir.ini"), "S", "k", "v"));
  EXPECT_EQ(engine.ReadString(files.Path("dir.ini"), "S", "k", "d"), "d");
}

TEST(ProfileWrite, FileTooLargeToReadIsNeverOverwritten) {
  TestFiles files;
  const std::string big(ProfileEngine::kMaxFileSize + 1, 'x');
  const std::string path = files.Write("big.ini", "[S]\nk=v\n" + big);
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(path, "S", "k", "d"), "d");
  EXPECT_FALSE(engine.WriteString(path, "S", "k", "w"));
  EXPECT_EQ(files.Read("big.ini").size(), big.size() + 8);
}

TEST(ProfileWrite, RefusesWhatCouldNotBeReadBackAsWritten) {
  TestFiles files;
  const std::string path = files.Write("refused.ini", "[S]\nk=1\n");
  ProfileEngine engine;
  for (const char* key : {"", "  ", "[T]", ";k", "a=b", "a\nb"}) {
    EXPECT_FALSE(engine.WriteString(path, "S", std::string_view(key), "v")) << key;
  }
  EXPECT_FALSE(engine.WriteString(path, "S\r\nT", "k", "v"));
  EXPECT_FALSE(engine.WriteString(path, "S]T", "k", "v"));
  EXPECT_FALSE(engine.WriteString(path, "S", "k", "\xFF"));
  EXPECT_FALSE(engine.WriteString(path, std::string_view("S\0", 2), "k", "v"));
  EXPECT_EQ(files.Read("refused.ini"), "[S]\nk=1\n");
}

}  // namespace
}  // namespace tolvex::platform::profile

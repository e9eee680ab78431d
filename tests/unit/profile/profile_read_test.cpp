// Look-ups of the private-profile engine against the platform functions'
// behaviour: one table, one row per case.
#include <gtest/gtest.h>

#include <string>

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_engine.h"
#include "profile_test_files.h"

namespace tolvex::platform::profile {
namespace {

struct ReadCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;  // "<default>" when the default comes back
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsWhatThePlatformFunctionFinds) {
  const ReadCase& c = GetParam();
  TestFiles files;
  const std::string path = files.Write("read.ini", c.file);
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(path, c.section, c.key, "<default>"), c.expected);
}

const ReadCase kReadCases[] = {
    {"Plain", "[S]\nk=v\n", "S", "k", "v"},
    {"SectionNameIgnoresCase", "[System]\nk=v\n", "SYSTEM", "k", "v"},
    {"KeyNameIgnoresCase", "[S]\nTaskbar=1\n", "S", "taskBAR", "1"},
    {"UmlautsFold", "[GRÖßE]\nÄnderung=1\n", "größe", "änderung", "1"},
    {"FirstDuplicateKeyWins", "[S]\nk=first\nk=second\n", "S", "k", "first"},
    {"FirstDuplicateSectionWins", "[S]\nk=first\n[s]\nk=second\n", "S", "k", "first"},
    {"KeyOnlyInLaterDuplicateSection", "[S]\na=1\n[S]\nk=2\n", "S", "k", "<default>"},
    {"BlanksAroundNamesAndValues", "  [ S ]  \n\t k \t=  v w \t\n", "S", "k", "v w"},
    {"BlanksAroundRequestedNames", "[S]\nk=v\n", " S ", " k ", "v"},
    {"DoubleQuotesRemoved", "[S]\nk=\"v w\"\n", "S", "k", "v w"},
    {"SingleQuotesRemoved", "[S]\nk='v'\n", "S", "k", "v"},
    {"OnlyOnePairRemoved", "[S]\nk=\"\"abc\"\"\n", "S", "k", "\"abc\""},
    {"MismatchedQuotesKept", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
    {"TwoQuotesReadEmpty", "[S]\nk=\"\"\n", "S", "k", ""},
    {"OneQuoteKept", "[S]\nk=\"\n", "S", "k", "\""},
    {"InnerQuotesKept", "[S]\nk=a\"b\"c\n", "S", "k", "a\"b\"c"},
    {"BlanksInsideQuotesKept", "[S]\nk=\"  v  \"\n", "S", "k", "  v  "},
    {"EmptyValue", "[S]\nk=\n", "S", "k", ""},
    {"EqualsInValue", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"LineWithoutEqualsIgnored", "[S]\nk\n", "S", "k", "<default>"},
    {"CommentIgnored", "[S]\n;k=v\n", "S", ";k", "<default>"},
    {"CommentAfterBlanksIgnored", "[S]\n  ; k=v\n", "S", "; k", "<default>"},
    {"SemicolonInValueKept", "[S]\nk=v ; not a comment\n", "S", "k", "v ; not a comment"},
    {"CrLf", "[S]\r\nk=v\r\nj=w\r\n", "S", "j", "w"},
    {"LoneCr", "[S]\rk=v\rj=w\r", "S", "j", "w"},
    {"MixedEndings", "[S]\r\nk=v\rj=w\n", "S", "j", "w"},
    {"NoFinalLineBreak", "[S]\nk=v", "S", "k", "v"},
    {"KeysBeforeFirstSectionNotFound", "k=v\n[S]\n", "S", "k", "<default>"},
    {"MissingSection", "[S]\nk=v\n", "T", "k", "<default>"},
    {"MissingKey", "[S]\nk=v\n", "S", "j", "<default>"},
    {"KeyOfNextSectionNotFound", "[S]\n[T]\nk=v\n", "S", "k", "<default>"},
    {"EmptyFile", "", "S", "k", "<default>"},
    {"HeaderWithTextAfterBracket", "[S] trailing\nk=v\n", "S", "k", "v"},
    {"SectionNameEndsAtFirstBracket", "[a]b]\nk=v\n", "a", "k", "v"},
    {"UnclosedHeaderOpensSection", "[ S \t\nk=v\n", "S", "k", "v"},
    {"UnclosedHeaderEndsPreviousSection", "[S]\n[T\nk=v\n", "S", "k", "<default>"},
    {"UnclosedHeaderNameEndsAtNul", std::string("[T\0x\nk=v\n", 10), "T", "k", "v"},
    {"EmptyKeyNameIgnored", "[S]\n=v\n", "S", "", "<default>"},
    {"NulEndsTheLine", std::string("[S]\nk=v\0w\n", 10), "S", "k", "v"},
    {"NulBeforeEquals", std::string("[S]\nk\0=v\n", 9), "S", "k", "<default>"},
    {"Utf8", "[S]\nk=Grüße\n", "S", "k", "Grüße"},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
    {"Windows1252",
     "[S]\nk=Gr\xFC\xDF"
     "e \x80\n",
     "S", "k", "Grüße €"},
    {"Windows1252Unassigned", "[S]\nk=\x81\n", "S", "k", "\xC2\x81"},
    {"Utf16LittleEndian", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xFC\0", 18), "S", "k", "ü"},
    {"Utf16BigEndian", std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\xD8\x3D\xDE\x00", 18), "S", "k",
     "\xF0\x9F\x98\x80"},
    {"EndOfFileMarkIsBlank", "[S]\nk=v\x1A\n", "S", "k", "v"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileRead, SectionAndKeyNamesListFirstOfDuplicates) {
  const ProfileDocument document =
      ProfileDocument::Parse("k=v\n[A]\nx=1\nX=2\n;c=3\ny=4\n[b]\n[a]\nz=5\n");
  EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"A", "b"}));
  EXPECT_EQ(document.KeyNames("a"), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(document.KeyNames("missing").empty());
}

TEST(ProfileRead, DefaultLosesTrailingBlanks) {
  TestFiles files;
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(files.Write("d.ini", "[S]\n"), "S", "k", " d \t "), " d");
}

TEST(ProfileRead, MissingFileGivesDefaults) {
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString("/nonexistent/folder/x.ini", "S", "k", "d"), "d");
  EXPECT_TRUE(engine.ReadSectionNames("/nonexistent/folder/x.ini").empty());
}

}  // namespace
}  // namespace tolvex::platform::profile

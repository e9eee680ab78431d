// TtxIniFile: quotes, integers, the read limit, the write error, the
// construction forms and the file helpers.
#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "app/file_helpers.h"
#include "shared/error.h"
#include "test_folders.h"

namespace tolvex {
namespace {

struct QuoteCase {
  const char* name;
  QString value;
  QByteArray stored;
  QString readBack;
};

class IniQuotes : public testing::TestWithParam<QuoteCase> {};

TEST_P(IniQuotes, ValueSurvivesWriteAndRead) {
  const QuoteCase& c = GetParam();
  TestFolders folders;
  const QString path = folders.Program() + "quotes.ini";
  TtxIniFile file(path);
  file.WriteString("S", "k", c.value);
  EXPECT_EQ(TestFolders::Read(path), "[S]\nk=" + c.stored + "\n");
  EXPECT_EQ(file.ReadString("S", "k", "<default>"), c.readBack);
}

const QuoteCase kQuoteCases[] = {
    {"Plain", "abc", "abc", "abc"},
    {"Quoted", "\"abc\"", "\"\"abc\"\"", "\"abc\""},
    {"TwoQuotesOnly", "\"\"", "\"\"", ""},
    {"ThreeQuotes", "\"\"\"", "\"\"\"\"\"", "\"\"\""},
    {"SingleQuotes", "'abc'", "'abc'", "abc"},
    {"QuoteAtStartOnly", "\"abc", "\"abc", "\"abc"},
    {"Empty", "", "", ""},
    {"Umlauts", "Grüße", "Grüße", "Grüße"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniQuotes, testing::ValuesIn(kQuoteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniQuotes, ReadRemovesASecondPairLeftByTheReader) {
  TestFolders folders;
  const QString path = folders.Program() + "q.ini";
  TestFolders::Write(path, "[S]\nk=\"\"\"abc\"\"\"\nshort=\"\"\"\"\"\"\n");
  const TtxIniFile file(path);
  EXPECT_EQ(file.ReadString("S", "k", ""), "\"abc\"");
  // Two pairs left after the reader: not longer than 4 characters, kept.
  EXPECT_EQ(file.ReadString("S", "short", ""), "\"\"\"\"");
}

struct IntegerCase {
  const char* name;
  QByteArray stored;
  int expected;  // with default 77
};

class IniIntegers : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegers, ReadsDecimalAndHexadecimal) {
  const IntegerCase& c = GetParam();
  TestFolders folders;
  const QString path = folders.Program() + "int.ini";
  TestFolders::Write(path, "[S]\nk=" + c.stored + "\n");
  EXPECT_EQ(TtxIniFile(path).ReadInteger("S", "k", 77), c.expected);
}

const IntegerCase kIntegerCases[] = {
    {"Decimal", "42", 42},
    {"Negative", "-1", -1},
    {"Plus", "+5", 5},
    {"Largest", "2147483647", 2147483647},
    {"Smallest", "-2147483648", -2147483647 - 1},
    {"Overflow", "2147483648", 77},
    {"HexLower", "0x1f", 31},
    {"HexUpper", "0X1F", 31},
    {"HexAllBits", "0xFFFFFFFF", -1},
    {"HexColour", "0x00FF8000", 0x00FF8000},
    {"HexTooLarge", "0x100000000", 77},
    {"HexPrefixOnly", "0x", 77},
    {"HexBadDigit", "0x1G", 77},
    {"Quoted", "\"12\"", 12},
    {"Text", "abc", 77},
    {"TrailingText", "12abc", 77},
    {"Empty", "", 77},
    {"SignOnly", "-", 77},
    {"Fraction", "1.5", 77},
    {"ArabicIndicDigits", "\xD9\xA1", 77},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniIntegers, testing::ValuesIn(kIntegerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, TypedValuesRoundTrip) {
  TestFolders folders;
  const QString path = folders.Program() + "typed.ini";
  TtxIniFile file(path);
  file.WriteInteger("S", "i", -12);
  file.WriteBool("S", "t", true);
  file.WriteBool("S", "f", false);
  EXPECT_EQ(TestFolders::Read(path), "[S]\ni=-12\nt=1\nf=0\n");
  EXPECT_EQ(file.ReadInteger("S", "i", 0), -12);
  EXPECT_TRUE(file.ReadBool("S", "t", false));
  EXPECT_FALSE(file.ReadBool("S", "f", true));
  EXPECT_TRUE(file.ReadBool("S", "i", false));
  EXPECT_TRUE(file.ReadBool("S", "missing", true));
  EXPECT_EQ(file.ReadString("S", "missing", "d"), "d");
}

TEST(IniFile, ReadReturnsAtMost2047Characters) {
  TestFolders folders;
  const QString path = folders.Program() + "long.ini";
  TestFolders::Write(path, "[S]\nk=" + QByteArray(5000, 'x') +
                               "\nu=" + QString(2046, 'a').toUtf8() + "\xF0\x9F\x98\x80" + "\n");
  const TtxIniFile file(path);
  EXPECT_EQ(file.ReadString("S", "k", ""), QString(2047, 'x'));
  // A character outside the basic plane is not cut in half.
  EXPECT_EQ(file.ReadString("S", "u", ""), QString(2046, 'a'));
}

TEST(IniFile, FailedWriteRaisesTheWriteError) {
  TestFolders folders;
  // A file in a folder that does not exist, and a file name that is a folder.
  const QString missingFolder = folders.Program() + "missing/x.ini";
  const QString folder = folders.Program() + "folder.ini";
  QDir().mkpath(folder);
  for (const QString& path : {missingFolder, folder}) {
    TtxIniFile file(path);
    try {
      file.WriteString("S", "k", "v");
      ADD_FAILURE() << "no error for " << path.toStdString();
    } catch (const EtxError& error) {
      EXPECT_EQ(error.Message(), "nach " + path + " kann nicht geschrieben werden");
    }
    EXPECT_THROW(file.WriteInteger("S", "k", 1), EtxError);
  }
}

TEST(IniFile, ConstructionForms) {
  TestFolders folders;
  EXPECT_EQ(TtxIniFile("/x/plain.ini").FileName(), "/x/plain.ini");
  EXPECT_EQ(TtxIniFile(false).FileName(), folders.Program() + "tolvexbar.ini");
  EXPECT_EQ(TtxIniFile(true).FileName(), folders.PerUser() + "tolvexbar.ini");
  EXPECT_TRUE(QFileInfo(folders.PerUser()).isDir());
  EXPECT_EQ(TtxIniFile(false, ".dat").FileName(), folders.Program() + "tolvexbar.dat");
  EXPECT_EQ(TtxIniFile(true, ".dat").FileName(), folders.PerUser() + "tolvexbar.dat");
  EXPECT_EQ(TtxIniFile("/x/other.cfg", TtxIniOption::PerUser).FileName(),
            folders.PerUser() + "other.cfg");
  EXPECT_EQ(TtxIniFile("/x/other.cfg", TtxIniOption::ExeNamed).FileName(),
            folders.Program() + "tolvexbar.ini");
}

TEST(IniFile, PerUserWithoutApplicationDataStaysInProgramFolder) {
  TestFolders folders(false);
  EXPECT_EQ(TtxIniFile(true).FileName(), folders.Program() + "tolvexbar.ini");
  EXPECT_FALSE(QFileInfo::exists(folders.AppData()));
}

TEST(IniFile, BatchRaisesTheWriteErrorAtCommit) {
  TestFolders folders;
  TtxIniFile file(folders.Program() + "missing/x.ini");
  TtxIniBatch batch(file, platform::BatchStart::Empty);
  file.WriteString("S", "k", "v");
  EXPECT_THROW(batch.Commit(), EtxError);
}

TEST(FileHelpers, AddPathPart) {
  EXPECT_EQ(AddPathPart("", "a.ini"), "a.ini");
  EXPECT_EQ(AddPathPart("/p/", "a.ini"), "/p/a.ini");
  EXPECT_EQ(AddPathPart("/p", "a.ini"), "/p/a.ini");
}

TEST(FileHelpers, ChangeFileExt) {
  EXPECT_EQ(ChangeFileExt("/p/tolvexbar", ".ini"), "/p/tolvexbar.ini");
  EXPECT_EQ(ChangeFileExt("/p/tolvexbar.exe", ".dat"), "/p/tolvexbar.dat");
  EXPECT_EQ(ChangeFileExt("/p.d/tolvexbar", ".ini"), "/p.d/tolvexbar.ini");
}

TEST(FileHelpers, DeleteFileForcedDeletesReadOnlyFiles) {
  TestFolders folders;
  const QString path = folders.Program() + "ro.txt";
  TestFolders::Write(path, "x");
  QFile::setPermissions(path, QFileDevice::ReadOwner);
  DeleteFileForced(path);
  EXPECT_FALSE(QFileInfo::exists(path));
  DeleteFileForced(path);  // a missing file is no error
}

TEST(FileHelpers, CopyFileWaitReplacesTargetAndKeepsPermissions) {
  TestFolders folders;
  const QString source = folders.Program() + "a.txt";
  const QString target = folders.Program() + "b.txt";
  TestFolders::Write(source, "new");
  TestFolders::Write(target, "old");
  QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_TRUE(CopyFileWait(source, target));
  EXPECT_EQ(TestFolders::Read(target), "new");
  EXPECT_TRUE(QFile::permissions(target) & QFileDevice::ReadOwner);
  EXPECT_FALSE(QFile::permissions(target) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
  EXPECT_FALSE(CopyFileWait(folders.Program() + "missing", target));
  EXPECT_FALSE(CopyFileWait(source, folders.Program() + "no/folder/c.txt"));
  EXPECT_FALSE(QApplication::overrideCursor());
}

}  // namespace
}  // namespace tolvex

// Elements and the layout file: the reading rules, the writing rules and the
// list operations.
#include "app/elements.h"
#include "app/builtin_snapins.h"

#include <gtest/gtest.h>

#include "app/ini_file.h"
#include "shared/error.h"
#include "test_folders.h"

namespace tolvex {
namespace {

class ElementsTest : public testing::Test {
 protected:
  QString Layout() const { return folders_.Program() + "layout.dat"; }
  // Loads a layout whose element sections are `sections`.
  TTolvexElementList Load(const QByteArray& sections, int count = 1) {
    TestFolders::Write(Layout(),
                       "[tolvexBar]\nCount=" + QByteArray::number(count) + "\n" + sections);
    TTolvexElementList list;
    list.LoadFromFile(Layout());
    return list;
  }
  QByteArray Saved(const TTolvexElementList& list) {
    list.SaveToFile(Layout());
    return TestFolders::Read(Layout());
  }

  TestFolders folders_;
};

TEST_F(ElementsTest, UpperCaseClockLibraryLoadsAsBuiltInClockAndSavesAsKind) {
  TTolvexElementList list = Load("[Link1]\nType=S\nSnapIn=C:\\Programme\\TXCLOCK\n");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0).ElementKind, TTolvexElementKind::ekBuiltIn);
  EXPECT_EQ(list.Items(0).SnapInNumber, 3);
  EXPECT_EQ(list.Items(0).SnapIn, "tolvexClock-Snapin");
  EXPECT_EQ(Saved(list), "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=2\n");
}

TEST_F(ElementsTest, UnknownKindWithoutSnapInLoadsAsPlugIn) {
  TTolvexElementList list = Load("[Link1]\nType=S\nKind=9\n");
  EXPECT_EQ(list.Items(0).ElementKind, TTolvexElementKind::ekPlugIn);
  EXPECT_EQ(list.Items(0).SnapIn, ".tsi");
  EXPECT_EQ(list.Items(0).SnapInNumber, 0);
}

TEST_F(ElementsTest, SnapInKinds) {
  TTolvexElementList list = Load(
      "[Link1]\nType=S\nKind=0\nSnapIn=/opt/x/Sample.tsi\n"
      "[Link2]\nType=Snap\nKind=6\nSnapIn=ignored.tsi\n"
      "[Link3]\nType=S\nKind=-1\nSnapIn=txPic.TSI\n"
      "[Link4]\nType=S\nKind=1\n",
      4);
  EXPECT_EQ(list.Items(0).ElementKind, TTolvexElementKind::ekPlugIn);
  EXPECT_EQ(list.Items(0).SnapIn, "Sample.tsi");
  EXPECT_EQ(list.Items(0).SnapInNumber, 1);
  EXPECT_EQ(list.Items(1).SnapIn, "tolvexPic-Snapin");
  EXPECT_EQ(list.Items(1).SnapInNumber, 7);
  EXPECT_EQ(list.Items(2).SnapIn, "tolvexPic-Snapin");
  EXPECT_EQ(list.Items(3).SnapIn, "tolvexAmp-Snapin");
  EXPECT_EQ(Saved(list),
            "[tolvexBar]\nCount=4\n[Link1]\nType=S\nSnapIn=Sample.tsi\n"
            "[Link2]\nType=S\nKind=6\n[Link3]\nType=S\nKind=6\n[Link4]\nType=S\nKind=1\n");
}

TEST_F(ElementsTest, ShowCommandMapping) {
  TTolvexElementList list = Load(
      "[Link1]\nType=P\nShowCommand=1\n[Link2]\nType=P\nShowCommand=2\n"
      "[Link3]\nType=P\nShowCommand=7\n[Link4]\nType=P\n",
      4);
  EXPECT_EQ(list.Items(0).ShowCommand, 3);
  EXPECT_EQ(list.Items(1).ShowCommand, 2);
  EXPECT_EQ(list.Items(2).ShowCommand, 1);
  EXPECT_EQ(list.Items(3).ShowCommand, 1);
  list.Items(3).ShowCommand = 0;
  const QByteArray saved = Saved(list);
  EXPECT_TRUE(
      saved.contains("[Link1]\nType=P\nName=\nDescription=\nTarget=\nParameters=\n"
                     "WorkingDir=\nShowCommand=1\n"));
  EXPECT_TRUE(
      saved.contains("[Link4]\nType=P\nName=\nDescription=\nTarget=\nParameters=\n"
                     "WorkingDir=\nShowCommand=0\n"));
  TTolvexElementList again;
  again.LoadFromFile(Layout());
  EXPECT_EQ(again.Items(0).ShowCommand, 3);
  EXPECT_EQ(again.Items(3).ShowCommand, 1);
}

TEST_F(ElementsTest, LauncherDefaultsAreWrittenExplicitly) {
  TTolvexElementList list = Load("[Link1]\nType=P\nName=Editor\nTarget=/usr/bin/ed\nSize=9\n");
  const TTolvexElement& e = list.Items(0);
  EXPECT_EQ(e.ElementKind, TTolvexElementKind::ekLauncher);
  EXPECT_EQ(e.Description, "Editor");
  EXPECT_EQ(e.IconFile, "/usr/bin/ed");
  EXPECT_EQ(e.Size, ls16);
  EXPECT_EQ(Saved(list),
            "[tolvexBar]\nCount=1\n[Link1]\nType=P\nName=Editor\nDescription=Editor\n"
            "Target=/usr/bin/ed\nParameters=\nWorkingDir=\nShowCommand=0\n"
            "IconFile=/usr/bin/ed\nIconIndex=0\nSize=0\n");
}

TEST_F(ElementsTest, EmptyIconFileBecomesTheTarget) {
  TTolvexElementList list = Load("[Link1]\nType=P\nTarget=/t\nIconFile=\nIconIndex=0x10\nSize=3\n");
  EXPECT_EQ(list.Items(0).IconFile, "/t");
  EXPECT_EQ(list.Items(0).IconIndex, 16);
  EXPECT_EQ(list.Items(0).Size, ls64);
}

TEST_F(ElementsTest, LauncherRoundTripKeepsEveryField) {
  TTolvexElementList list;
  auto e = std::make_unique<TTolvexElement>();
  e->Name = "\"Quoted\"";
  e->Description = "Grüße; mit = Zeichen";
  e->Target = "/usr/bin/x";
  e->Parameters = "-a \"b c\"";
  e->WorkingDir = "/tmp";
  e->ShowCommand = 2;
  e->IconFile = "/i.ico";
  e->IconIndex = -3;
  e->Size = ls48;
  list.Add(std::move(e));
  list.SaveToFile(Layout());
  TTolvexElementList again;
  again.LoadFromFile(Layout());
  const TTolvexElement& r = again.Items(0);
  EXPECT_EQ(r.Name, "\"Quoted\"");
  EXPECT_EQ(r.Description, "Grüße; mit = Zeichen");
  EXPECT_EQ(r.Parameters, "-a \"b c\"");
  EXPECT_EQ(r.WorkingDir, "/tmp");
  EXPECT_EQ(r.ShowCommand, 2);
  EXPECT_EQ(r.IconFile, "/i.ico");
  EXPECT_EQ(r.IconIndex, -3);
  EXPECT_EQ(r.Size, ls48);
}

TEST_F(ElementsTest, CountBeyondSectionsGivesEmptyLaunchers) {
  TTolvexElementList list = Load("[Link1]\nType=P\nName=a\n[Link3]\nType=X\nName=c\n", 3);
  ASSERT_EQ(list.Count(), 3);
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(list.Items(i).ElementKind, TTolvexElementKind::ekLauncher);
    EXPECT_TRUE(list.Items(i).Name.isEmpty());
    EXPECT_EQ(list.Items(i).ShowCommand, 0);
  }
}

TEST_F(ElementsTest, MissingFileOrNegativeCountGivesEmptyList) {
  TTolvexElementList list;
  list.Add(std::make_unique<TTolvexElement>());
  list.LoadFromFile(folders_.Program() + "missing.dat");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(Load("", -5).Count(), 0);
}

TEST_F(ElementsTest, AbsurdCountDoesNotExhaustMemory) {
  EXPECT_EQ(Load("", 2147483647).Count(), 100000);
}

TEST_F(ElementsTest, CountIsReadWithinItsBounds) {
  const struct {
    QByteArray stored;
    int count;
  } cases[] = {{"3", 3},
               {"2147483647", kMaxElements},
               {"-2147483648", 0},
               {"-1", 0},
               {"zwei", 0},
               {"0x10", 16},
               {"", 0}};
  for (const auto& c : cases) {
    TestFolders::Write(Layout(), "[tolvexBar]\nCount=" + c.stored + "\n");
    EXPECT_EQ(ReadElementCount(TtxIniFile(Layout())), c.count) << c.stored.constData();
  }
}

TEST_F(ElementsTest, StoredElementNumbersAreTheSectionsABuildFinds) {
  TestFolders::Write(Layout(),
                     "[tolvexBar]\nCount=2147483647\n[Link3]\n[LINK1]\n[ link2 ]\n[Link01]\n"
                     "[Link+4]\n[Link5x]\n[Link]\n[Link99999999999]\n[Link7]\n[Link3]\n[Other]\n");
  const TtxIniFile file(Layout());
  EXPECT_EQ(StoredElementNumbers(file, 1, kMaxElements), (std::vector<int>{1, 2, 3, 7}));
  EXPECT_EQ(StoredElementNumbers(file, 2, 6), (std::vector<int>{2, 3}));
  EXPECT_TRUE(StoredElementNumbers(file, 1, 0).empty());
}

TEST_F(ElementsTest, AddingElementsNeverRunsPastTheLimit) {
  TtxIniFile file(Layout());
  TestFolders::Write(Layout(), "[tolvexBar]\nCount=-7\n");
  EXPECT_EQ(AddElementCount(file, 2), 0);
  EXPECT_EQ(TestFolders::Read(Layout()), "[tolvexBar]\nCount=2\n");
  const QByteArray full = "[tolvexBar]\nCount=2147483647\n[Link1]\nType=P\n";
  TestFolders::Write(Layout(), full);
  EXPECT_THROW(AddElementCount(file, 1), EtxError);
  EXPECT_EQ(TestFolders::Read(Layout()), full);
  TestFolders::Write(Layout(), "[tolvexBar]\nCount=99999\n");
  EXPECT_THROW(AddElementCount(file, 2), EtxError);
  EXPECT_EQ(AddElementCount(file, 1), 99999);
  EXPECT_EQ(ReadElementCount(file), kMaxElements);
}

TEST_F(ElementsTest, SaveReplacesEverythingElseInTheFile) {
  TestFolders::Write(Layout(), "[Other]\nx=1\n[Link9]\nType=P\n");
  TTolvexElementList list;
  EXPECT_EQ(Saved(list), "[tolvexBar]\nCount=0\n");
}

TEST_F(ElementsTest, FailedSaveRaisesWriteError) {
  const QString path = folders_.Program() + "missing/layout.dat";
  TTolvexElementList list;
  list.Add(std::make_unique<TTolvexElement>());
  EXPECT_THROW(list.SaveToFile(path), EtxError);
}

TEST_F(ElementsTest, ListOperations) {
  TTolvexElementList list;
  for (const char* name : {"a", "b", "c"}) {
    auto e = std::make_unique<TTolvexElement>();
    e->Name = name;
    list.Add(std::move(e));
  }
  list.Exchange(0, 2);
  EXPECT_EQ(list.Items(0).Name, "c");
  EXPECT_EQ(list.Items(2).Name, "a");
  list.Delete(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(1).Name, "a");
  EXPECT_THROW(list.Items(2), EtxError);
  EXPECT_THROW(list.Delete(-1), EtxError);
  EXPECT_THROW(list.Exchange(0, 5), EtxError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(SnapIns, NamesAndNumbers) {
  EXPECT_EQ(SnapInDisplayName(4), "tolvexNotes-Snapin");
  EXPECT_EQ(SnapInLibraryName(5), "txterm.tsi");
  EXPECT_EQ(BuiltInSnapInOfLibrary("TXDIALUP.TSI"), 6);
  EXPECT_EQ(BuiltInSnapInOfLibrary("other.tsi"), 0);
  EXPECT_EQ(BuiltInSnapInOfLibrary(""), 0);
  EXPECT_TRUE(SnapInDisplayName(8).isEmpty());
}

}  // namespace
}  // namespace tolvex

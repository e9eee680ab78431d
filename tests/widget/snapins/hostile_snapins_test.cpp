// Plug-ins that fail never take the bar down: an exception leaving any entry
// point gives up that plug-in alone, libraries that cannot or must not be
// loaded leave an empty element, and each of these is reported in one line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "app/snapin_module.h"
#include "snapin_test_folder.h"
#include "widget/app/test_bar.h"

namespace tolvex::test {
namespace {

class HostileSnapIns : public SnapInTestFolder {
 protected:
  void SetUp() override {
    SnapInTestFolder::SetUp();
    bar_.show();
  }
  void TearDown() override {
    bar_.controls.Clear();
    SnapInTestFolder::TearDown();
  }
  int Place(const QString& fileName, int y) {
    return PlaceSnapIn(bar_, bar_.controls, Folder(), 1, fileName, y);
  }
  // Places a sample plug-in, `fileName`, and another sample plug-in, and
  // runs the show step, as a build does.
  void BuildBetweenSamples(const QString& fileName) {
    int y = Place("first.tsi", TestBar::kTop);
    y = Place(fileName, y);
    Place("last.tsi", y);
    bar_.controls.ShowSnapIns();
  }

  TestBar bar_;
};

// Each row: the entry point that raises; the bar gives up that plug-in alone
// and says so, and the elements below it move up into its place.
TEST_F(HostileSnapIns, AnExceptionInAnyEntryPointGivesUpThatPlugInAlone) {
  struct Case {
    const char* variant;
    const char* reported;
    QStringList calls;  // of the hostile plug-in
  };
  const Case cases[] = {
      {"init", "TSI_InitSnapIn raised an exception (hostile init)", {"load", "init", "unload"}},
      {"version",
       "TSI_GetInterfaceVersion raised an exception (hostile version)",
       {"load", "unload"}},
      {"control",
       "TSI_GetControl raised an exception (hostile control)",
       {"load", "init", "kill", "unload"}},
      {"form",
       "TSI_GetForm raised an exception (hostile form)",
       {"load", "init", "kill", "unload"}},
      {"bar-window",
       "message 2025 raised an exception (hostile bar-window)",
       {"load", "init", "bar-window", "kill", "unload"}},
      {"show",
       "TSI_ShowSnapIn raised an exception (hostile show)",
       {"load", "init", "bar-window", "show", "kill", "unload"}},
      {"any",
       "TSI_InitSnapIn raised an exception (an exception of unknown type)",
       {"load", "init", "unload"}},
  };
  Add(SAMPLE_SNAPIN, "first.tsi");
  Add(SAMPLE_SNAPIN, "last.tsi");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    const QString name = QString("throws-%1.tsi").arg(c.variant);
    Add(Hostile(QString("throws-") + c.variant), name);
    BuildBetweenSamples(name);

    ASSERT_EQ(bar_.controls.Count(), 3);
    EXPECT_EQ(bar_.controls.Module(1)->LibraryHandle(), nullptr);
    EXPECT_EQ(bar_.controls.Control(1), nullptr);
    EXPECT_EQ(bar_.controls.Control(2)->y(), TestBar::kTop + 40);
    EXPECT_TRUE(bar_.controls.Control(2)->isVisible());
    const QStringList diagnostics = Diagnostics();
    ASSERT_EQ(diagnostics.size(), 1) << diagnostics.join('\n').toStdString();
    EXPECT_TRUE(diagnostics[0].startsWith(Folder(name) + ": ")) << diagnostics[0].toStdString();
    EXPECT_TRUE(diagnostics[0].contains(c.reported)) << diagnostics[0].toStdString();
    QStringList hostileCalls;
    for (const QString& call : Calls()) {
      if (!call.startsWith("sample ")) hostileCalls << call.section(' ', 1);
    }
    EXPECT_EQ(hostileCalls, c.calls);
    bar_.controls.Clear();
    Calls();
  }
}

// The failed library is unloaded, so the next build tries it again instead
// of taking it for a duplicate.
TEST_F(HostileSnapIns, AFailedPlugInIsLoadedAgainByTheNextBuild) {
  Add(Hostile("throws-show"), "throws-show.tsi");
  Place("throws-show.tsi", TestBar::kTop);
  bar_.controls.ShowSnapIns();
  Calls();
  bar_.controls.Clear();
  EXPECT_EQ(Place("throws-show.tsi", TestBar::kTop), TestBar::kTop + 30);
  EXPECT_EQ(Calls(),
            QStringList({"throws-show load", "throws-show init", "throws-show bar-window"}));
}

TEST_F(HostileSnapIns, AnExceptionInKillStillUnloadsTheLibrary) {
  Add(Hostile("throws-kill"), "throws-kill.tsi");
  Place("throws-kill.tsi", TestBar::kTop);
  QPointer<QWidget> control = bar_.controls.Control(0);
  Calls();
  bar_.controls.Clear();
  EXPECT_TRUE(control.isNull());
  EXPECT_EQ(Calls(), QStringList({"throws-kill kill", "throws-kill unload"}));
  EXPECT_TRUE(Diagnostics().value(0).contains("TSI_KillSnapIn raised an exception"));
}

// A plug-in that fails when the bar restacks leaves the bar at once; its
// library goes when the bar releases it (the next full build).
TEST_F(HostileSnapIns, AnExceptionWhileRestackingTakesThePlugInOffTheBar) {
  Add(Hostile("throws-control-later"), "later.tsi");
  Add(SAMPLE_SNAPIN, "last.tsi");
  Place("last.tsi", Place("later.tsi", TestBar::kTop));
  QPointer<QWidget> control = bar_.controls.Control(0);
  ASSERT_NE(control, nullptr);
  Calls();
  qApp->setProperty("hostileControlThrows", true);
  bar_.RestackElements();
  qApp->setProperty("hostileControlThrows", false);
  EXPECT_EQ(bar_.controls.Control(1)->y(), TestBar::kTop);
  EXPECT_EQ(bar_.contentHeight, TestBar::kTop + 40);
  EXPECT_TRUE(control.isNull() || control->parentWidget() == nullptr);
  EXPECT_TRUE(
      Diagnostics().value(0).contains("TSI_GetControl raised an exception (hostile "
                                      "control-later)"));
  bar_.controls.Clear();
  EXPECT_TRUE(control.isNull());
  EXPECT_EQ(Calls(), QStringList({"throws-control-later kill", "throws-control-later unload",
                                  "sample kill", "sample unload"}));
}

// Each row: a file the bar must not or cannot load, and the line that says
// why; the element shows nothing and no code of the file runs.
TEST_F(HostileSnapIns, UnusableLibrariesAreReportedAndShowNothing) {
  AddFile("text.tsi", "kein Programm\n");
  Add(Hostile("qt5"), "qt5.tsi");
  Add(Hostile("no-qt"), "no-qt.tsi");
  Add(Hostile("missing-symbol"), "missing-symbol.tsi");
  Add(Hostile("plain"), "plain.tsi");
  struct Case {
    QString fileName;
    QString reported;
  };
  const Case cases[] = {
      {"text.tsi", Folder("text.tsi") + ": not a loadable library (not an ELF file)"},
      {"qt5.tsi", Folder("qt5.tsi") +
                      ": built against Qt 5 (needs libQt5Core.so.5), the bar runs on Qt 6; "
                      "not loaded"},
      {"no-qt.tsi", Folder("no-qt.tsi") + ": does not use Qt, so it cannot hand the bar a "
                                          "control; not loaded"},
      {"missing-symbol.tsi", "tolvex_hostile_missing_symbol"},
      {"absent.tsi", Folder("absent.tsi") + ": not found in the snap-in folder"},
      {"../plain.tsi", "../plain.tsi: names a file outside the snap-in folder; not loaded"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName.toStdString());
    EXPECT_EQ(Place(c.fileName, TestBar::kTop), TestBar::kTop);
    EXPECT_EQ(bar_.controls.Module(bar_.controls.Count() - 1)->LibraryHandle(), nullptr);
    const QStringList diagnostics = Diagnostics();
    ASSERT_EQ(diagnostics.size(), 1);
    EXPECT_TRUE(diagnostics[0].contains(c.reported)) << diagnostics[0].toStdString();
  }
  EXPECT_TRUE(Calls().isEmpty());
}

TEST_F(HostileSnapIns, AnUnknownInterfaceVersionIsReportedButNotRefused) {
  Add(Hostile("version7"), "version7.tsi");
  EXPECT_EQ(Place("version7.tsi", TestBar::kTop), TestBar::kTop + 30);
  bar_.controls.ShowSnapIns();
  EXPECT_EQ(bar_.controls.Module(0)->InterfaceVersion(), 7);
  EXPECT_EQ(Calls(), QStringList({"version7 load", "version7 init", "version7 bar-window",
                                  "version7 show"}));
  EXPECT_EQ(Diagnostics(), QStringList({Folder("version7.tsi") +
                                        ": interface version 7 is unknown to the bar (it knows "
                                        "up to 1); used as version 1"}));
}

TEST_F(HostileSnapIns, ADuplicateIsReported) {
  Add(SAMPLE_SNAPIN, "first.tsi");
  Place("first.tsi", TestBar::kTop);
  Place("first.tsi", TestBar::kTop);
  EXPECT_EQ(Diagnostics(),
            QStringList({"first.tsi: a library of this file name is already loaded; the element "
                         "is skipped"}));
}

TEST(SnapInDiagnostics, FileNamesWithLineBreaksStayOnOneLine) {
  QStringList lines;
  static QStringList* seen = &lines;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& message) { *seen << message; });
  ReportSnapIn("/snapins/zwei\nzeilen.tsi", "not found\r");
  qInstallMessageHandler(previous);
  EXPECT_EQ(lines, QStringList({"/snapins/zwei\\x0azeilen.tsi: not found\\x0d"}));
}

}  // namespace
}  // namespace tolvex::test

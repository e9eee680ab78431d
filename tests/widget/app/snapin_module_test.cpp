// Plug-in snap-ins with the sample plug-in: loading, the calls a plug-in
// sees over a build and a rebuild, duplicates, missing and reserved
// libraries, the interface version rule, and plug-ins that change height.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/builtin_snapins.h"
#include "app/snapin_module.h"
#include "app/snapin_safe_start.h"
#include "test_bar.h"

namespace tolvex::test {
namespace {

const QString kSample = SAMPLE_SNAPIN;
QString Variant(const QString& name) {
  return QString(SAMPLE_SNAPIN_VARIANTS) + "/" + name + ".tsi";
}

// A snap-in folder of copies of the sample plug-in, and the record of the
// calls the plug-ins saw.
class SnapInModule : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    qputenv("TOLVEX_SAMPLE_SNAPIN_LOG", Folder("calls.log").toLocal8Bit());
    ResetSnapInSafeStart(Folder("user"));
    bar_.show();
  }
  void TearDown() override {
    bar_.controls.Clear();
    qunsetenv("TOLVEX_SAMPLE_SNAPIN_LOG");
    ResetSnapInSafeStart();
  }

  QString Folder(const QString& name = {}) const { return folder_.path() + "/" + name; }
  void Add(const QString& source, const QString& name) {
    ASSERT_TRUE(QFile::copy(source, Folder(name))) << name.toStdString();
  }
  // The calls recorded since the last look, one "<plug-in> <call>" each.
  QStringList Calls() {
    QFile file(Folder("calls.log"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList calls = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    file.close();
    file.remove();
    return calls;
  }
  int Place(int number, const QString& fileName, int y = TestBar::kTop) {
    return PlaceSnapIn(bar_, bar_.controls, Folder(), number, fileName, y);
  }

  QTemporaryDir folder_;
  TestBar bar_;
};

TEST_F(SnapInModule, BuildAndRebuildCallThePlugInInOrder) {
  Add(kSample, "sample.tsi");
  EXPECT_EQ(Place(1, "sample.tsi"), TestBar::kTop + 40);
  ASSERT_EQ(bar_.controls.Count(), 1);
  QWidget* control = bar_.controls.Control(0);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->parentWidget(), &bar_);
  EXPECT_EQ(control->geometry(), QRect(0, TestBar::kTop, bar_.width(), 40));
  EXPECT_EQ(bar_.controls.Module(0)->InterfaceVersion(), TSI_INTERFACE_VERSION);
  EXPECT_EQ(bar_.controls.Module(0)->LibraryPath(), Folder("sample.tsi"));
  bar_.controls.ShowSnapIns();
  EXPECT_EQ(Calls(),
            QStringList({"sample load", "sample init", "sample bar-window", "sample show"}));

  // A full rebuild: killed and unloaded, then loaded and initialised anew.
  bar_.controls.Clear();
  Place(1, "sample.tsi");
  bar_.controls.ShowSnapIns();
  EXPECT_EQ(Calls(), QStringList({"sample kill", "sample unload", "sample load", "sample init",
                                  "sample bar-window", "sample show"}));
  EXPECT_TRUE(bar_.controls.Control(0)->isVisible());
}

// End-to-end tests of the real binary see loads and unloads in the
// simulated platform's record.
TEST_F(SnapInModule, LoadsAndUnloadsAreRecordedOnTheSimulatedPlatform) {
  Add(kSample, "sample.tsi");
  qputenv("TOLVEX_SIM_LOG", Folder("sim.log").toLocal8Bit());
  Place(1, "sample.tsi");
  Place(1, "missing.tsi");
  bar_.controls.Clear();
  qunsetenv("TOLVEX_SIM_LOG");
  QFile log(Folder("sim.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString path = Folder("sample.tsi");
  EXPECT_EQ(QString::fromUtf8(log.readAll()),
            "libraries\tload\t" + path + "\tok\nlibraries\tunload\t" + path + "\n");
}

TEST_F(SnapInModule, ThePlugInOfAFileNameLoadsOnce) {
  Add(kSample, "sample.tsi");
  const int y = Place(1, "sample.tsi");
  EXPECT_EQ(Place(1, "sample.tsi", y), y);
  EXPECT_EQ(bar_.controls.Count(), 1);
  EXPECT_EQ(Calls(), QStringList({"sample load", "sample init", "sample bar-window"}));
}

TEST_F(SnapInModule, ARelativeSnapInFolderLoadsByItsAbsolutePath) {
  Add(kSample, "sample.tsi");
  ASSERT_TRUE(QDir::setCurrent(Folder()));
  TTolvexSnapInModule module(bar_, "", "sample.tsi");
  EXPECT_NE(module.LibraryHandle(), nullptr);
  EXPECT_EQ(module.LibraryPath(), QDir(Folder()).canonicalPath() + "/sample.tsi");
}

TEST_F(SnapInModule, ALibraryLoadedByOtherMeansIsSkipped) {
  Add(kSample, "other.tsi");
  void* elsewhere = dlopen(Folder("other.tsi").toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(elsewhere, nullptr);
  EXPECT_EQ(Place(1, "other.tsi"), TestBar::kTop);
  EXPECT_EQ(bar_.controls.Count(), 0);
  dlclose(elsewhere);
}

// Each row: a library the folder lacks or cannot load; the element takes
// no space, and the next element sits where it would have.
TEST_F(SnapInModule, AnUnusableLibraryGivesAnEmptyModule) {
  Add(kSample, "sample.tsi");
  QFile broken(Folder("broken.tsi"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a library");
  broken.close();
  ASSERT_TRUE(QDir().mkpath(Folder("folder.tsi")));
  for (const char* name : {"missing.tsi", "broken.tsi", "folder.tsi", "../snapins/x.tsi", ""}) {
    SCOPED_TRACE(name);
    bar_.controls.Clear();
    const int y = Place(1, name);
    EXPECT_EQ(y, TestBar::kTop);
    ASSERT_EQ(bar_.controls.Count(), 1);
    EXPECT_EQ(bar_.controls.Control(0), nullptr);
    EXPECT_EQ(bar_.controls.Module(0)->LibraryHandle(), nullptr);
    Place(1, "sample.tsi", y);
    EXPECT_EQ(bar_.controls.Control(1)->y(), TestBar::kTop);
    EXPECT_EQ(bar_.controls.Restack(TestBar::kTop), TestBar::kTop + 40);
  }
}

TEST_F(SnapInModule, ABuiltInLibraryNameIsNeverLoaded) {
  for (int number = FirstBuiltInSnapIn; number <= LastBuiltInSnapIn; ++number) {
    const QString name = QString(BuiltInSnapIn(number)->LibraryName).toUpper();
    Add(kSample, name);
    TTolvexSnapInModule module(bar_, Folder(), name);
    EXPECT_EQ(module.LibraryHandle(), nullptr) << name.toStdString();
    // Without a registered panel the element adds nothing at all.
    EXPECT_EQ(Place(1, name), TestBar::kTop);
  }
  EXPECT_EQ(bar_.controls.Count(), 0);
  EXPECT_TRUE(Calls().isEmpty());
}

TEST_F(SnapInModule, Version0NeverHasItsShowStepCalled) {
  Add(Variant("version0"), "version0.tsi");
  Place(1, "version0.tsi");
  bar_.controls.ShowSnapIns();
  EXPECT_EQ(bar_.controls.Module(0)->InterfaceVersion(), 0);
  EXPECT_EQ(Calls(), QStringList({"version0 load", "version0 init", "version0 bar-window"}));
}

// A library the system keeps mapped after it was released (here: linked
// with -z nodelete) is loaded again by the next build, not taken for a
// duplicate.
TEST_F(SnapInModule, ALibraryThatStaysMappedLoadsAgainOnRebuild) {
  Add(Variant("resident"), "resident.tsi");
  Place(1, "resident.tsi");
  bar_.controls.Clear();
  EXPECT_EQ(Place(1, "resident.tsi"), TestBar::kTop + 40);
  EXPECT_EQ(Calls(), QStringList({"resident load", "resident init", "resident bar-window",
                                  "resident kill", "resident init", "resident bar-window"}));
}

TEST_F(SnapInModule, WidgetsAPlugInLeavesBehindAreDestroyedBeforeUnloading) {
  Add(Variant("careless"), "careless.tsi");
  Place(1, "careless.tsi");
  QPointer<QWidget> control = bar_.controls.Control(0);
  const int topLevels = QApplication::topLevelWidgets().size();
  bar_.controls.Clear();
  EXPECT_TRUE(control.isNull());
  EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels - 1);  // the form
  EXPECT_EQ(Calls(), QStringList({"careless load", "careless init", "careless bar-window",
                                  "careless kill", "careless unload"}));
}

TEST_F(SnapInModule, APlugInChangingItsHeightRestacksTheElementsBelow) {
  Add(kSample, "sample.tsi");
  Add(Variant("version0"), "version0.tsi");
  Place(1, "version0.tsi", Place(1, "sample.tsi"));
  QWidget* second = bar_.controls.Control(1);
  ASSERT_EQ(second->y(), TestBar::kTop + 40);
  auto* button = bar_.controls.Control(0)->findChild<QPushButton*>();
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(second->y(), TestBar::kTop + 80);  // restacked at once by the height watch
  QCoreApplication::sendPostedEvents(&bar_);
  EXPECT_EQ(bar_.restackMessages, 1);  // and the plug-in's own message 2026
  EXPECT_EQ(bar_.plugInMessages, 1);
  EXPECT_EQ(bar_.contentHeight, TestBar::kTop + 120);
}

TEST(BarMessage, CarriesItsFirstParameterOrNone) {
  EXPECT_EQ(MessageWParam(TSI_Message(TSI_MSG_REBUILD, 5, 7)), 5);
  EXPECT_EQ(MessageWParam(QEvent(QEvent::Type(TSI_MSG_REBUILD))), 0);
}

}  // namespace
}  // namespace tolvex::test

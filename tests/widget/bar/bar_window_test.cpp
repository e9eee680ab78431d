// The bar window offscreen: what a build makes of the layout file, file
// drops, deleting a launcher, the element context menu.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/bar_window.h"
#include "app/builtin_panels.h"
#include "app/folders.h"
#include "app/launcher_button.h"
#include "app/snapin_module.h"
#include "app/snapin_panel.h"
#include "app/snapin_safe_start.h"
#include "controls/action.h"
#include "controls/button.h"
#include "shared/error.h"
#include "shared/modal.h"
#include "support/qt_printers.h"
#include "support/recording_shell.h"

namespace tolvex::test {
namespace {

constexpr int kTop = kHeaderHeight + 2;

// A built-in panel of a given height that may grow in its Start.
class GrowingPanel : public TSnapInPanel {
 public:
  GrowingPanel(ISnapInHost& host, int heightAfterStart)
      : TSnapInPanel(host), heightAfterStart_(heightAfterStart) {
    resize(104, 24);
  }
  void Start() override {
    if (heightAfterStart_ > 0) resize(width(), heightAfterStart_);
  }
  void SaveSettings() override { ++saves; }

  static inline int saves = 0;

 private:
  int heightAfterStart_;
};

class BarWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
    QDir().mkpath(home_.path() + "/.config");
    previousClock_ =
        RegisterBuiltInPanel(3, [](ISnapInHost& host) { return new GrowingPanel(host, 384); });
    // The safe start keeps its files in this test's per-user folder.
    ResetSnapInSafeStart();
    qputenv("TOLVEX_SAMPLE_SNAPIN_LOG", (home_.path() + "/calls.log").toLocal8Bit());
    bar_ = std::make_unique<TwTolvexDesktop>();
  }
  void TearDown() override {
    bar_.reset();
    RegisterBuiltInPanel(3, previousClock_);
    for (const QString& copied : copiedSnapIns_) QFile::remove(copied);
    qunsetenv("TOLVEX_SAMPLE_SNAPIN_LOG");
    ResetSnapInSafeStart();
  }

  // Replaces the layout file by `sections` (each "Type=...;Key=..." with
  // ";" between the keys) and rebuilds.
  void Layout(const QStringList& sections) {
    TtxIniFile& layout = bar_->LayoutFile();
    for (const QString& section : layout.ReadSections()) layout.EraseSection(section);
    layout.WriteInteger("tolvexBar", "Count", int(sections.size()));
    for (int n = 1; n <= sections.size(); ++n) {
      for (const QString& pair : sections[n - 1].split(';')) {
        const int equals = int(pair.indexOf('='));
        layout.WriteString("Link" + QString::number(n), pair.left(equals), pair.mid(equals + 1));
      }
    }
    bar_->BuildElements(0);
  }
  // The tops of the element controls, in bar order (-1 for none).
  std::vector<int> Tops() const {
    std::vector<int> tops;
    TElementControls& controls = bar_->ElementControls();
    for (int i = 0; i < controls.Count(); ++i) {
      QWidget* control = controls.Control(i);
      tops.push_back(control != nullptr ? control->y() : -1);
    }
    return tops;
  }
  QString Read(int n, const QString& key) const {
    return bar_->LayoutFile().ReadString("Link" + QString::number(n), key, "<none>");
  }
  // Puts the plug-in `source` (the sample plug-in) into the bar's snap-in
  // folder as `name` for this test.
  QString InstallSample(const QString& name, const QString& source = SAMPLE_SNAPIN) {
    QDir().mkpath(bar_->SnapInFolder());
    const QString copied = bar_->SnapInFolder() + name;
    QFile::remove(copied);
    EXPECT_TRUE(QFile::copy(source, copied));
    copiedSnapIns_ << copied;
    return name;
  }
  // The calls the test plug-ins recorded since the last look.
  QStringList Calls() const {
    QFile file(home_.path() + "/calls.log");
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList calls = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    file.remove();
    return calls;
  }

  QTemporaryDir home_;
  TBuiltInPanelFactory previousClock_;
  std::unique_ptr<TwTolvexDesktop> bar_;
  QStringList copiedSnapIns_;
};

TEST_F(BarWindow, ElementsStackWithoutGapsAndDuplicatesOrMissingLibrariesTakeNoSpace) {
  const QString sample = InstallSample("bar_test_sample.tsi");
  Layout({"Type=P;Name=Eins;Target=/nonexistent/program",
          "Type=S;Kind=2",                       // the clock, growing to 384 in Start
          "Type=S;SnapIn=txclock.tsi",           // the clock again: nothing
          "Type=S;SnapIn=missing.tsi",           // no library: an empty module
          "Type=S;SnapIn=" + sample,             // the plug-in
          "Type=S;SnapIn=" + sample.chopped(4),  // the same plug-in again: skipped
          "Type=X;Name=unknown",                 // an unknown type: nothing
          "Type=P;Name=Zwei;Target=/nonexistent/program"});
  TElementControls& controls = bar_->ElementControls();
  ASSERT_EQ(controls.Count(), 5);
  const int pluginHeight = controls.Control(3)->height();
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 25, -1, kTop + 25 + 384,
                                      kTop + 25 + 384 + pluginHeight}));
  EXPECT_EQ(bar_->ContentHeight(), kTop + 25 + 384 + pluginHeight + 25);
  EXPECT_EQ(controls.Control(4)->width(), bar_->width());
}

TEST_F(BarWindow, LauncherIconsFollowTheFirstPaintInTheirKeptPlaces) {
  const QString file = home_.path() + "/Notiz.txt";
  QFile text(file);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("text");
  text.close();
  // Large (38 high), large without an icon at its index, small (20 high).
  Layout({"Type=P;Name=A;Size=1;Target=" + file,
          "Type=P;Name=B;Size=1;IconIndex=1;Target=" + file + ";IconFile=" + file,
          "Type=P;Name=C;Size=0;Target=" + file});
  const auto launcher = [&](int i) {
    return static_cast<TTolvexButton*>(bar_->ElementControls().Control(i));
  };
  // Built but not painted yet: captions in the rows of their sizes.
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(launcher(i)->IconPending()) << i;
    EXPECT_TRUE(launcher(i)->Picture().isNull()) << i;
  }
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 38, kTop + 76}));

  bar_->show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !launcher(2)->IconPending(); }, 5000));
  EXPECT_FALSE(launcher(0)->Picture().isNull());
  EXPECT_FALSE(launcher(2)->Picture().isNull());
  // The launcher whose file has no such icon takes the ordinary row.
  EXPECT_TRUE(launcher(1)->Picture().isNull());
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 38, kTop + 38 + 25}));

  // A rebuild shows the icons it extracted before at once.
  bar_->BuildElements(0);
  EXPECT_FALSE(launcher(0)->IconPending());
  EXPECT_FALSE(launcher(0)->Picture().isNull());
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 38, kTop + 38 + 25}));
}

TEST_F(BarWindow, AnEmptyLayoutShowsOnlyTheHeaderAndFloatsAs104By26) {
  Layout({});
  EXPECT_EQ(bar_->ElementControls().Count(), 0);
  EXPECT_EQ(bar_->ContentHeight(), 26);
  ASSERT_TRUE(bar_->IsDocked());
  EXPECT_EQ(bar_->FloatRight() - bar_->FloatLeft(), 104);
  EXPECT_EQ(bar_->FloatBottom() - bar_->FloatTop(), 26);
}

TEST_F(BarWindow, APartialBuildAppendsBelowTheExistingElements) {
  Layout({"Type=P;Name=Eins;Target=/nonexistent/program"});
  bar_->LayoutFile().WriteInteger("tolvexBar", "Count", 2);
  bar_->LayoutFile().WriteString("Link2", "Type", "P");
  bar_->LayoutFile().WriteString("Link2", "Name", "Zwei");
  QCoreApplication::sendEvent(bar_.get(), new TSI_Message(kRebuildMessage, 2));
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 25}));
}

TEST_F(BarWindow, DroppedFilesAreAppendedAsLaunchersOrSnapIns) {
  Layout({"Type=P;Name=a", "Type=P;Name=b", "Type=P;Name=c"});
  const QString program = "/opt/Werkzeuge/MeinProgramm.EXE";
  const QString inFolder = bar_->SnapInFolder() + "Extra.TSI";
  const QString elsewhere = home_.path() + "/extra.tsi";
  bar_->fdFileDragDrop({program, inFolder, elsewhere, program});

  EXPECT_EQ(bar_->LayoutFile().ReadInteger("tolvexBar", "Count", 0), 7);
  EXPECT_EQ(bar_->LayoutFile().ReadSection("Link4"),
            (QStringList{"Type", "Name", "Description", "Target", "IconFile"}));
  EXPECT_EQ(Read(4, "Type"), "P");
  EXPECT_EQ(Read(4, "Name"), "meinprogramm.exe");
  for (const QString key : {"Description", "Target", "IconFile"}) {
    EXPECT_EQ(Read(4, key), program) << key.toStdString();
  }
  EXPECT_EQ(bar_->LayoutFile().ReadSection("Link5"), (QStringList{"Type", "SnapIn"}));
  EXPECT_EQ(Read(5, "SnapIn"), "Extra.TSI");
  EXPECT_EQ(Read(6, "Type"), "P");
  EXPECT_EQ(Read(6, "Target"), elsewhere);
  EXPECT_EQ(Read(7, "Target"), program);  // a duplicate is appended too

  // The rebuild is posted, not run during the drop; the snap-in's library
  // is missing, so it adds an empty entry.
  EXPECT_EQ(bar_->ElementControls().Count(), 3);
  QCoreApplication::sendPostedEvents(bar_.get());
  EXPECT_EQ(bar_->ElementControls().Count(), 7);
}

TEST_F(BarWindow, ADroppedDesktopEntryIsNamedInTheUsersLanguage) {
  Layout({});
  const QString entry = home_.path() + "/org.example.Files.desktop";
  QFile file(entry);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Desktop Entry]\nType=Application\nName=Files\nName[de]=Dateien\nExec=files\n");
  file.close();
  qputenv("LC_ALL", "de_DE.UTF-8");
  bar_->fdFileDragDrop({entry});
  qunsetenv("LC_ALL");
  EXPECT_EQ(Read(1, "Name"), "Dateien");
  EXPECT_EQ(Read(1, "Target"), entry);
}

TEST_F(BarWindow, AnAbsurdCountBuildsWhatIsThereAndADropOnItAddsNothing) {
  Layout({"Type=P;Name=a"});
  bar_->LayoutFile().WriteInteger("tolvexBar", "Count", 2147483647);
  bar_->BuildElements(0);
  EXPECT_EQ(bar_->ElementControls().Count(), 1);
  EXPECT_THROW(bar_->fdFileDragDrop({"/opt/programm"}), EtxError);
  EXPECT_EQ(bar_->LayoutFile().ReadInteger("tolvexBar", "Count", 0), 2147483647);
  EXPECT_EQ(Read(1, "Name"), "a");
}

TEST_F(BarWindow, DeleteAsksWithTheCaptionAndOnlyYesDeletes) {
  // The second clock is skipped, so "Zwei" is the third control but the
  // fourth section of the file.
  Layout({"Type=P;Name=Eins", "Type=S;Kind=2", "Type=S;Kind=2", "Type=P;Name=Zwei",
          "Type=P;Name=Drei"});
  struct Case {
    int answer;
    QStringList namesAfter;
  };
  for (const Case& c : {Case{mrNo, {"Eins", "<none>", "<none>", "Zwei", "Drei"}},
                        Case{mrYes, {"Eins", "<none>", "<none>", "Drei"}}}) {
    QString asked;
    TScopedModalAnswer answer([&](QDialog& dialog) {
      for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(child)) asked += label->text() + "|";
      }
      return AnswerByResult(c.answer)(dialog);
    });
    QWidget* zwei = bar_->ElementControls().Control(2);
    bar_->PopupElements(zwei, QPoint(), false);
    bar_->acDeleteElement()->trigger();
    EXPECT_TRUE(asked.contains("Element löschen")) << asked.toStdString();
    EXPECT_TRUE(asked.contains("Wollen Sie das Element \"Zwei\" wirklich löschen?"))
        << asked.toStdString();
    QStringList names;
    const int count = bar_->LayoutFile().ReadInteger("tolvexBar", "Count", 0);
    for (int n = 1; n <= count; ++n) names << Read(n, "Name");
    EXPECT_EQ(names, c.namesAfter);
    if (c.answer == mrNo) {
      EXPECT_EQ(bar_->ElementControls().Count(), 4);
    }
  }
  EXPECT_EQ(bar_->ElementControls().Count(), 3);
}

TEST_F(BarWindow, TheMenuOnTheEmptyAreaOffersOnlyAddAndTheBarSubmenu) {
  Layout({"Type=P;Name=Eins"});
  QStringList visible;
  const auto shown = [&] {
    visible.clear();
    for (QAction* item : bar_->pmElements()->actions()) {
      if (item->isVisible() && !item->isSeparator()) visible << item->text();
    }
    return visible;
  };
  bar_->PopupElements(nullptr, QPoint(), false);
  EXPECT_EQ(shown(), (QStringList{"&Hinzufügen...", "&tolvexBar"}));
  bar_->PopupElements(bar_->ElementControls().Control(0), QPoint(), false);
  EXPECT_EQ(shown(),
            (QStringList{"&Hinzufügen...", "&Eigenschaften...", "&Löschen", "&tolvexBar"}));
}

TEST_F(BarWindow, ARightClickOnALauncherOpensTheElementMenuForIt) {
  Layout({"Type=P;Name=Eins"});
  QWidget* button = bar_->ElementControls().Control(0);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                          button->mapToGlobal(QPoint(5, 5)));
  QCoreApplication::sendEvent(button, &click);
  QMenu* menu = bar_->pmElements();
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(bar_->acDeleteElement()->isVisible());
  menu->hide();
  // The menu's entries act on that launcher.
  bool asked = false;
  TScopedModalAnswer answer([&](QDialog& dialog) {
    asked = true;
    return AnswerByResult(mrNo)(dialog);
  });
  bar_->acDeleteElement()->trigger();
  EXPECT_TRUE(asked);
}

TEST_F(BarWindow, AutoHideClickedWhileFloatingDocksTheBar) {
  bar_->SetDocked(false);
  ASSERT_FALSE(bar_->IsDocked());
  EXPECT_FALSE(bar_->acAutoHide()->isEnabled());
  bar_->btAutoHide()->Click();
  EXPECT_TRUE(bar_->IsDocked());
  EXPECT_FALSE(bar_->AutoHide());
  EXPECT_TRUE(bar_->acAutoHide()->isEnabled());
}

TEST_F(BarWindow, OnlyDestructionWithoutACloseRequestLetsTheClockSave) {
  for (const bool closeFirst : {true, false}) {
    Layout({"Type=S;Kind=2"});
    GrowingPanel::saves = 0;
    if (closeFirst) bar_->close();
    bar_.reset();
    EXPECT_EQ(GrowingPanel::saves, closeFirst ? 0 : 1) << closeFirst;
    bar_ = std::make_unique<TwTolvexDesktop>();
  }
}

TEST_F(BarWindow, DestructionWritesThePlaceAndTheStatesForTheNextStart) {
  bar_->SetDocked(false);
  bar_->SetDragAndDrop(false);
  const TRect window = bar_->WindowRect();
  const QString config = bar_->ConfigFile().FileName();
  bar_.reset();
  TtxIniFile file(config);
  EXPECT_EQ(file.ReadInteger("System", "Left", -2), window.left);
  EXPECT_EQ(file.ReadInteger("System", "Top", -2), window.top);
  EXPECT_EQ(file.ReadString("System", "Taskbar", "<none>"), "0");
  EXPECT_EQ(file.ReadString("System", "DragAndDrop", "<none>"), "0");
  bar_ = std::make_unique<TwTolvexDesktop>();
  EXPECT_FALSE(bar_->IsDocked());
  EXPECT_FALSE(bar_->DragAndDrop());
}

TEST_F(BarWindow, TheBarSubmenuCopiesTheMainMenu) {
  QMenu other;
  bar_->AddBarSubmenu(other);
  ASSERT_EQ(other.actions().size(), 1);
  QMenu* submenu = other.actions()[0]->menu();
  ASSERT_NE(submenu, nullptr);
  QStringList main, copy;
  for (QAction* item : bar_->pmMain()->actions()) main << item->text();
  for (QAction* item : submenu->actions()) copy << item->text();
  EXPECT_EQ(copy, main);
  EXPECT_EQ(main.size(), 12);
  EXPECT_EQ(main.last(), "&Beenden");
}

TEST_F(BarWindow, TheHomepageEntryOpensTheMakersSiteAsAWebPage) {
  std::vector<TRecordingShell::Call> calls;
  platform::SetShell(std::make_unique<TRecordingShell>(calls));
  QAction* homepage = nullptr;
  for (QAction* item : bar_->pmMain()->actions())
    if (item->text().endsWith(" Homepage...")) homepage = item;
  ASSERT_NE(homepage, nullptr);
  EXPECT_EQ(homepage->text(), "tolvex.example Homepage...");
  homepage->trigger();
  platform::SetShell(nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].target, "http://www.tolvex.example");
  EXPECT_EQ(calls[0].showCommand, platform::ShowNormal);
}

// The plug-in asks for a full rebuild synchronously, once from its form's
// handling of the bar-window message (inside the bar's build) and once from
// its own button, and goes on running its own code afterwards: the rebuild
// waits until that code has returned.
TEST_F(BarWindow, ARebuildAPlugInAsksForWaitsUntilItsCodeReturns) {
  const QString rebuild = InstallSample("bar_test_rebuild.tsi", HOSTILE_SNAPINS "/rebuild.tsi");
  Layout({"Type=P;Name=Eins", "Type=S;SnapIn=" + rebuild, "Type=P;Name=Zwei"});
  const QStringList built{"rebuild load", "rebuild init", "rebuild bar-window"};
  const QStringList returned{"rebuild returned-from-rebuild-request-in-bar-window", "rebuild show"};
  EXPECT_EQ(Calls(), built + returned);
  const QStringList rebuilt =
      QStringList{"rebuild kill", "rebuild unload"} + built + QStringList{"rebuild show"};
  QStringList calls;
  auto waitForRebuild = [&] {
    for (int i = 0; i < 100 && calls.size() < rebuilt.size(); ++i) {
      QTest::qWait(20);
      calls += Calls();
    }
  };
  waitForRebuild();
  EXPECT_EQ(calls, rebuilt);

  auto* button = qobject_cast<QAbstractButton*>(bar_->ElementControls().Control(1));
  ASSERT_NE(button, nullptr);
  button->click();
  calls = Calls();
  EXPECT_EQ(calls, QStringList{"rebuild returned-from-rebuild-request-in-click"});
  calls.clear();
  waitForRebuild();
  EXPECT_EQ(calls, rebuilt);
  EXPECT_EQ(Tops(), (std::vector<int>{kTop, kTop + 25, kTop + 25 + 30}));
}

// A plug-in the safe start skips loads again once it is dropped on the bar.
TEST_F(BarWindow, DroppingASkippedPlugInEnablesItAgain) {
  const QString plain = InstallSample("bar_test_plain.tsi", HOSTILE_SNAPINS "/plain.tsi");
  const QString path = bar_->SnapInFolder() + plain;
  // The last run ended inside the plug-in.
  TSnapInSafeStart(PerUserFolder()).Enter(path);
  ResetSnapInSafeStart();
  TScopedModalAnswer answer(AnswerByResult(mrOk));
  Layout({"Type=S;SnapIn=" + plain});
  QCoreApplication::processEvents();
  EXPECT_EQ(bar_->ElementControls().Control(0), nullptr);

  bar_->fdFileDragDrop({path});
  QCoreApplication::sendPostedEvents(bar_.get());
  ASSERT_EQ(bar_->ElementControls().Count(), 1);  // the second is a duplicate
  EXPECT_NE(bar_->ElementControls().Control(0), nullptr);
  EXPECT_FALSE(SnapInSafeStart().IsSkipped(path));
}

// Each row: the stored library name of a plug-in element, and whether the
// bar reports that it names another folder; the plug-in is always looked
// for in the snap-in folder only.
TEST_F(BarWindow, AnElementNamingAnotherFolderIsReportedAndLoadsFromTheSnapInFolder) {
  // A name of its own: tests running at the same time share the snap-in folder.
  const QString sample = InstallSample("bar_test_folder_sample.tsi");
  static QStringList lines;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (QByteArray(context.category) == "tolvex.snapins") lines << message;
      });
  struct Case {
    QString stored;
    bool reported;
  };
  for (const Case& c : {Case{"/tmp/elsewhere/" + sample, true},
                        Case{"C:\\Programme\\tolvexBar\\snapins\\" + sample, true},
                        Case{bar_->SnapInFolder() + sample, false}, Case{sample, false}}) {
    SCOPED_TRACE(c.stored.toStdString());
    lines.clear();
    Layout({"Type=S;SnapIn=" + c.stored});
    EXPECT_NE(bar_->ElementControls().Control(0), nullptr);
    const QString expected = c.stored + ": names a file outside the snap-in folder; only " +
                             sample + " of the snap-in folder is looked for";
    EXPECT_EQ(lines, c.reported ? QStringList{expected} : QStringList{});
  }
  qInstallMessageHandler(previous);
}

}  // namespace
}  // namespace tolvex::test

// The safe start: the marker around calls into a plug-in, the plug-in that
// ended the last run skipped until its file changes or it is enabled again,
// and the notice shown once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>

#include "app/snapin_module.h"
#include "shared/modal.h"
#include "snapin_test_folder.h"
#include "widget/app/test_bar.h"

namespace tolvex::test {
namespace {

class SafeStart : public SnapInTestFolder {
 protected:
  QByteArray Marker() const {
    QFile file(Folder("user/snapin-safe-start"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }
  // A run that ends inside a call into `path`: the marker stays.
  void EndRunInside(const QString& path) {
    TSnapInSafeStart(Folder("user")).Enter(path);
    ResetSnapInSafeStart(Folder("user"));
  }
  // The texts of the message dialogs shown while the events run.
  QStringList NoticesShown() {
    QStringList texts;
    TScopedModalAnswer answer([&](QDialog& dialog) {
      QString text;
      for (auto* label : dialog.findChildren<QLabel*>()) text += label->text() + "|";
      texts << text;
      return AnswerByResult(mrOk)(dialog);
    });
    QApplication::processEvents();
    return texts;
  }
};

TEST_F(SafeStart, TheMarkerNamesTheInnermostCallAndGoesWhenItReturns) {
  TSnapInSafeStart safeStart(Folder("user"));
  const QString a = Folder("a.tsi");
  const QString b = Folder("b.tsi");
  AddFile("a.tsi", "123");
  {
    TSafeStartCall outer(safeStart, a);
    EXPECT_EQ(ReadStamps(Marker()), std::vector<TSnapInStamp>{StampOfFile(a)});
    {
      TSafeStartCall inner(safeStart, b);
      EXPECT_EQ(ReadStamps(Marker()), (std::vector<TSnapInStamp>{StampOfFile(a), StampOfFile(b)}));
    }
    EXPECT_EQ(ReadStamps(Marker()), std::vector<TSnapInStamp>{StampOfFile(a)});
  }
  EXPECT_EQ(Marker(), "<none>");
  EXPECT_EQ(StampOfFile(a).size, 3);
}

TEST_F(SafeStart, APlugInThatEndedTheRunIsSkippedUntilItsFileChanges) {
  Add(Hostile("plain"), "plain.tsi");
  const QString path = Folder("plain.tsi");
  EndRunInside(path);
  TestBar bar;
  TTolvexSnapInModule skipped(bar, Folder(), "plain.tsi");
  EXPECT_EQ(skipped.LibraryHandle(), nullptr);
  EXPECT_EQ(Marker(), "<none>");
  EXPECT_TRUE(Calls().isEmpty());
  EXPECT_EQ(NoticesShown().size(), 1);
  EXPECT_TRUE(Diagnostics().join('\n').contains(path + ": ended the last run"));

  // A later start skips it without a word to the user.
  ResetSnapInSafeStart(Folder("user"));
  TTolvexSnapInModule stillSkipped(bar, Folder(), "plain.tsi");
  EXPECT_EQ(stillSkipped.LibraryHandle(), nullptr);
  EXPECT_TRUE(NoticesShown().isEmpty());
  EXPECT_EQ(Diagnostics(), QStringList({path + ": ended an earlier run and is skipped until the "
                                               "file changes or is dropped on the bar again"}));

  // A new version of the file is tried again.
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
  file.close();
  TTolvexSnapInModule tried(bar, Folder(), "plain.tsi");
  EXPECT_NE(tried.LibraryHandle(), nullptr);
  EXPECT_FALSE(QFile::exists(Folder("user/snapin-skipped")));
}

TEST_F(SafeStart, TheNoticeNamesTheFileAndIsShownOnce) {
  EndRunInside(Folder("absturz.tsi"));
  SnapInSafeStart();
  const QStringList shown = NoticesShown();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(
      shown[0].contains("Das Snap-In-Modul \"absturz.tsi\" hat den letzten Start "
                        "abgebrochen und wird übersprungen."))
      << shown[0].toStdString();
  ResetSnapInSafeStart(Folder("user"));
  SnapInSafeStart();
  EXPECT_TRUE(NoticesShown().isEmpty());
}

TEST_F(SafeStart, EnablingTakesAPlugInOffTheSkippedOnes) {
  AddFile("a.tsi", "a");
  AddFile("b.tsi", "b");
  EndRunInside(Folder("a.tsi"));
  SnapInSafeStart();
  EndRunInside(Folder("b.tsi"));
  TSnapInSafeStart& safeStart = SnapInSafeStart();
  EXPECT_TRUE(safeStart.IsSkipped(Folder("a.tsi")));
  EXPECT_TRUE(safeStart.IsSkipped(Folder("b.tsi")));
  safeStart.Enable(Folder("a.tsi"));
  EXPECT_FALSE(safeStart.IsSkipped(Folder("a.tsi")));
  EXPECT_TRUE(safeStart.IsSkipped(Folder("b.tsi")));
  NoticesShown();
}

// The bar goes on without the marker and says so once.
TEST_F(SafeStart, AMarkerThatCannotBeWrittenIsReportedOnce) {
  AddFile("user", "a file where the folder should be");
  TSnapInSafeStart safeStart(Folder("user"));
  for (int i = 0; i < 3; ++i) TSafeStartCall call(safeStart, Folder("a.tsi"));
  const QStringList diagnostics = Diagnostics();
  ASSERT_EQ(diagnostics.size(), 1);
  EXPECT_TRUE(diagnostics[0].startsWith(Folder("user/snapin-safe-start: cannot be written")));
}

// Stamps survive any path; damaged lines of a file are left out.
TEST(SafeStartStamps, ReadWhatWasWrittenAndIgnoreTheRest) {
  const std::vector<TSnapInStamp> stamps{{"/snap ins/ä%b\n c.tsi", 12, 1700000000000},
                                         {"/x.tsi", -1, -1}};
  EXPECT_EQ(ReadStamps(WriteStamps(stamps)), stamps);
  EXPECT_EQ(ReadStamps("12 34\nx 1 /a\n1 2 /b c\n\n1 2 \n3 4 /ok\n"),
            std::vector<TSnapInStamp>({{"/ok", 3, 4}}));
}

}  // namespace
}  // namespace tolvex::test

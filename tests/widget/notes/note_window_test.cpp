// The note window on the panel: closing and reopening, saving, deleting,
// undo, window options and a file that cannot be written.
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>

#include "notes_fixture.h"

namespace tolvex::test {
namespace {

class NoteWindowTest : public NotesTest {
 protected:
  // A visible note read from 1.tdn.
  TwNote& StartWithNote() {
    WriteNote("1.tdn",
              "Title=Einkauf\r\nLeft=100\r\nTop=120\r\nWidth=300\r\nHeight=200\r\n"
              "Bodybegin\r\nMilch\r\nx=1\r\nBodyend\r\n");
    TfrNotes& panel = Start();
    EXPECT_EQ(panel.Notes().size(), 1);
    return *panel.Notes().front();
  }
  static void Type(TwNote& note, const QString& text) {
    note.edNote->moveCursor(QTextCursor::End);
    QTest::keyClicks(note.edNote, text);
  }
};

TEST_F(NoteWindowTest, ClosingAndReopeningKeepsTextSizeAndPositionAndRewritesTheFile) {
  TwNote& note = StartWithNote();
  ASSERT_TRUE(note.isVisible());
  EXPECT_FALSE(note.acSave->isEnabled());
  note.edNote->moveCursor(QTextCursor::End);
  QTest::keyClick(note.edNote, Qt::Key_Return);
  QTest::keyClicks(note.edNote, "Brot");
  note.close();
  EXPECT_FALSE(note.isVisible());
  const TNoteData saved = ParsedNote("1.tdn");
  EXPECT_FALSE(saved.visible);
  EXPECT_EQ(saved.text, (QStringList{"Milch", "x=1", "Brot"}));

  panel_->SelectNote(0);
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(note.Lines(), (QStringList{"Milch", "x=1", "Brot"}));
  EXPECT_EQ(note.pos(), QPoint(100, 120));
  EXPECT_EQ(note.size(), QSize(300, 200));
  EXPECT_TRUE(note.acSave->isEnabled());
}

TEST_F(NoteWindowTest, MovingEnablesSaveAndSavingDisablesIt) {
  TwNote& note = StartWithNote();
  note.move(140, 160);
  EXPECT_TRUE(note.acSave->isEnabled());
  note.acSave->trigger();
  EXPECT_FALSE(note.acSave->isEnabled());
  EXPECT_EQ(ParsedNote("1.tdn").left, 140);
  EXPECT_TRUE(ParsedNote("1.tdn").visible);
}

TEST_F(NoteWindowTest, NoToTheDeleteQuestionLeavesNoteWindowAndFile) {
  TwNote& note = StartWithNote();
  const QByteArray before = ReadNote("1.tdn");
  {
    TScopedModalAnswer answer(Answer(mrNo));
    note.acDelete->trigger();
  }
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0].headline, "Notiz löschen");
  EXPECT_EQ(questions_[0].text,
            "Wollen Sie die Notiz wirklich löschen? \n"
            "Gelöschte Notizen können nicht wiederhergestellt werden.");
  EXPECT_EQ(questions_[0].position, note.pos() + QPoint(50, 50));
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(panel_->Notes().size(), 1);
  EXPECT_EQ(ReadNote("1.tdn"), before);
}

TEST_F(NoteWindowTest, YesDeletesTheFileAndTakesTheNoteOutOfTheList) {
  TwNote& note = StartWithNote();
  TScopedModalAnswer answer(Answer(mrYes));
  EXPECT_TRUE(note.Delete(true, note.pos()));
  EXPECT_TRUE(NoteFiles().isEmpty());
  EXPECT_FALSE(note.isVisible());
  EXPECT_TRUE(panel_->Notes().isEmpty());
  note.Save();
  EXPECT_TRUE(NoteFiles().isEmpty());
}

TEST_F(NoteWindowTest, DeletingANoteThatWasNeverSavedLeavesNoFile) {
  Start();
  TwNote* note = panel_->NewNote();
  Type(*note, "Entwurf");
  EXPECT_TRUE(note->Delete(false, {}));
  Stop();
  EXPECT_TRUE(NoteFiles().isEmpty());
}

TEST_F(NoteWindowTest, AfterSaveUndoHasNothingLeftToUndo) {
  TwNote& note = StartWithNote();
  Type(note, "abc");
  EXPECT_TRUE(note.acUndo->isEnabled());
  EXPECT_TRUE(note.acSave->isEnabled());
  note.Save();
  EXPECT_FALSE(note.acUndo->isEnabled());
  EXPECT_FALSE(note.edNote->document()->isUndoAvailable());
  note.edNote->undo();
  EXPECT_EQ(note.Lines(), (QStringList{"Milch", "x=1abc"}));
}

TEST_F(NoteWindowTest, StayOnTopToggledTwiceLeavesAnOrdinaryWindowAndEnablesSave) {
  TwNote& note = StartWithNote();
  note.acStayOnTop->trigger();
  EXPECT_TRUE(note.StayOnTop());
  EXPECT_TRUE(note.isVisible());
  note.acStayOnTop->trigger();
  EXPECT_FALSE(note.StayOnTop());
  EXPECT_FALSE(note.acStayOnTop->isChecked());
  EXPECT_FALSE(note.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(note.isVisible());
  EXPECT_TRUE(note.acSave->isEnabled());
  // Re-creating the window for its new style is no close: the file stays.
  EXPECT_TRUE(ParsedNote("1.tdn").visible);
}

TEST_F(NoteWindowTest, TheToolbarSwitchHidesTheToolbarAndIsSaved) {
  TwNote& note = StartWithNote();
  note.acShowToolbar->trigger();
  EXPECT_TRUE(note.tbNote->isHidden());
  EXPECT_TRUE(note.acSave->isEnabled());
  note.Save();
  EXPECT_FALSE(ParsedNote("1.tdn").toolbar);
}

TEST_F(NoteWindowTest, SelectingTextEnablesCopyAndCut) {
  TwNote& note = StartWithNote();
  EXPECT_FALSE(note.acCopy->isEnabled());
  note.edNote->selectAll();
  QTest::keyRelease(note.edNote, Qt::Key_Shift);
  EXPECT_TRUE(note.acCopy->isEnabled());
  EXPECT_TRUE(note.acCut->isEnabled());
  note.acCopy->trigger();
  QTest::keyRelease(note.edNote, Qt::Key_Shift);
  EXPECT_TRUE(note.acPaste->isEnabled());
}

TEST_F(NoteWindowTest, AFileThatCannotBeWrittenKeepsTheNoteAndSaysSoOnce) {
  Start();
  // The notes folder turns into a plain file: nothing can be written there.
  ASSERT_TRUE(QDir(Folder()).removeRecursively());
  QFile blocker(dir_.path() + "/data/notes");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  TScopedModalAnswer answer(Answer(mrOk));
  TwNote* note = panel_->NewNote();
  Type(*note, "Wichtig");
  EXPECT_FALSE(note->Save());
  EXPECT_TRUE(note->acSave->isEnabled());
  note->close();
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0].headline, "Notiz speichern");
  EXPECT_TRUE(questions_[0].text.contains("\"Notiz\"")) << questions_[0].text.toStdString();
  EXPECT_EQ(note->Lines(), QStringList{"Wichtig"});
  EXPECT_TRUE(note->FileName().isEmpty());

  ASSERT_TRUE(blocker.remove());
  EXPECT_TRUE(note->Save());
  EXPECT_FALSE(note->acSave->isEnabled());
  EXPECT_EQ(ParsedNote("1.tdn").text, QStringList{"Wichtig"});
}

}  // namespace
}  // namespace tolvex::test

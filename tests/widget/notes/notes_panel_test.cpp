// The notes panel: its start over empty, hand-written and unreadable note
// folders, new notes, the selection menu and the end of the panel.
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QToolBar>

#include "controls/button.h"
#include "notes_fixture.h"
#include "snapins/notes/notes_artwork.h"

namespace tolvex::test {
namespace {

class NotesPanelTest : public NotesTest {
 protected:
  // Replaces the note's text as an edit does.
  static void Edit(TwNote& note, const QString& text) {
    note.Editor().selectAll();
    note.Editor().textCursor().insertText(text);
  }
};

TEST_F(NotesPanelTest, AMissingFolderIsCreatedAndNoNoteOpens) {
  TfrNotes& panel = Start();
  EXPECT_TRUE(QDir(Folder()).exists());
  EXPECT_TRUE(panel.Notes().isEmpty());
  panel.acSelectNote->trigger();
  EXPECT_TRUE(panel.pmSelectNote->actions().isEmpty());
  EXPECT_FALSE(panel.pmSelectNote->isVisible());
}

TEST_F(NotesPanelTest, ItsButtonsAndItsMenuAreThoseOfTheNotes) {
  TfrNotes& panel = Start();
  EXPECT_EQ(panel.height(), 24);
  const std::vector<std::pair<TrButton*, QRect>> buttons = {{panel.btNewNote, {1, 1, 22, 22}},
                                                            {panel.btNotesList, {23, 1, 22, 22}},
                                                            {panel.btShowNote, {45, 1, 22, 22}},
                                                            {panel.btSelectNote, {67, 1, 22, 22}}};
  for (const auto& [button, geometry] : buttons) EXPECT_EQ(button->geometry(), geometry);
  EXPECT_EQ(panel.btNotesList->Action(), panel.acTaskList);
  QStringList entries;
  for (QAction* action : panel.pmNotes->actions()) entries.append(action->text());
  EXPECT_EQ(entries,
            (QStringList{"&Neue Notiz", "&Geöffnete Notizen in den Vordergrund", "&Aufgaben...", "",
                         "&Liste aller Notizen...", "&Einstellungen...", "", "&tolvexBar"}));
}

TEST_F(NotesPanelTest, HandWrittenFilesOpenVisibleOnesAndKeepHiddenOnesInTheMenu) {
  WriteNote("1.tdn",
            "Title=Eink\xe4ufe f\xfcr M\xfcller\r\nVisible=1\r\n"
            "Bodybegin\r\nK\xe4se=2\r\nMilch\r\nBodyend\r\n");
  WriteNote("2.tdn", "Title=Versteckt\r\nVisible=0\r\nBodybegin\r\ngeheim=ja\r\nBodyend\r\n");
  TfrNotes& panel = Start();
  ASSERT_EQ(panel.Notes().size(), 2);
  TwNote& shown = *panel.Notes()[0];
  TwNote& hidden = *panel.Notes()[1];
  EXPECT_EQ(shown.windowTitle(), QString::fromUtf8("Einkäufe für Müller"));
  EXPECT_TRUE(shown.isVisible());
  EXPECT_EQ(shown.Lines(), (QStringList{QString::fromUtf8("Käse=2"), "Milch"}));
  EXPECT_FALSE(hidden.isVisible());

  panel.acSelectNote->trigger();
  const QList<QAction*> entries = panel.pmSelectNote->actions();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[1]->text(), "Versteckt");
  EXPECT_EQ(entries[0]->icon().pixmap(16, 16).toImage(), panel.ilNotes->Image(piNewNote).toImage());
  EXPECT_EQ(entries[1]->icon().pixmap(16, 16).toImage(),
            panel.ilNotes->Image(piHiddenNote).toImage());
  panel.pmSelectNote->close();

  entries[1]->trigger();
  EXPECT_TRUE(hidden.isVisible());
  EXPECT_TRUE(hidden.acSave->isEnabled());
}

TEST_F(NotesPanelTest, ANewNoteTakesTheDefaultsAndTheSmallestFreeFileNumber) {
  bar_.config.WriteString("Defaults", "FontName", "DejaVu Serif");
  bar_.config.WriteInteger("Defaults", "FontSize", 12);
  bar_.config.WriteInteger("Defaults", "FontStyle", 3);
  bar_.config.WriteInteger("Defaults", "Color", 255);
  bar_.config.WriteBool("Defaults", "ShowToolbar", false);
  WriteNote("1.tdn", "Title=Eins\r\n");
  WriteNote("3.tdn", "Title=Drei\r\n");
  TfrNotes& panel = Start();
  panel.acNewNote->trigger();
  ASSERT_EQ(panel.Notes().size(), 3);
  TwNote& note = *panel.Notes().back();
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(note.windowTitle(), "Notiz");
  EXPECT_TRUE(note.tbNote->isHidden());
  EXPECT_EQ(note.edNote->font().family(), "DejaVu Serif");
  EXPECT_TRUE(note.edNote->font().bold());
  EXPECT_TRUE(note.edNote->font().italic());
  EXPECT_EQ(note.Look().color, 255);
  note.Save();
  EXPECT_EQ(note.FileName(), NotePath("2.tdn"));
  EXPECT_EQ(ParsedNote("2.tdn").look.fontName, "DejaVu Serif");
}

TEST_F(NotesPanelTest, AFileThatCannotBeReadIsLeftAloneAndNamed) {
  WriteNote("1.tdn", "Title=Gut\r\n");
  WriteNote("2.tdn", QByteArray(kMaxNoteFileSize + 1, 'x'));
  TScopedModalAnswer answer(Answer(mrOk));
  TfrNotes& panel = Start();
  QCoreApplication::processEvents();
  ASSERT_EQ(panel.Notes().size(), 1);
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_TRUE(questions_[0].text.contains("2.tdn"));
  Stop();
  EXPECT_EQ(ReadNote("2.tdn").size(), kMaxNoteFileSize + 1);
}

TEST_F(NotesPanelTest, TheEndOfThePanelSavesVisibleNotesAsVisibleAndChangedHiddenOnes) {
  WriteNote("1.tdn", "Title=Offen\r\nBodybegin\r\nalt\r\nBodyend\r\n");
  WriteNote("2.tdn", "Title=Zu\r\nVisible=0\r\nBodybegin\r\nalt\r\nBodyend\r\n");
  TfrNotes& panel = Start();
  Edit(*panel.Notes()[0], "neu 1");
  Edit(*panel.Notes()[1], "neu 2");
  Edit(*panel.NewNote(), "neu 3");
  Stop();
  const TNoteData first = ParsedNote("1.tdn");
  EXPECT_TRUE(first.visible);
  EXPECT_EQ(first.text, QStringList{"neu 1"});
  const TNoteData second = ParsedNote("2.tdn");
  EXPECT_FALSE(second.visible);
  EXPECT_EQ(second.text, QStringList{"neu 2"});
  const TNoteData third = ParsedNote("3.tdn");
  EXPECT_TRUE(third.visible);
  EXPECT_EQ(third.text, QStringList{"neu 3"});
}

TEST_F(NotesPanelTest, TheEndOfTheApplicationClosesNoNoteForGood) {
  WriteNote("1.tdn", "Title=Offen\r\nBodybegin\r\nalt\r\nBodyend\r\n");
  TfrNotes& panel = Start();
  Edit(*panel.Notes()[0], "neu");
  // Quitting closes every window of the application before the bar goes.
  QEvent quit(QEvent::Quit);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
  const TNoteData saved = ParsedNote("1.tdn");
  EXPECT_TRUE(saved.visible);
  EXPECT_EQ(saved.text, QStringList{"neu"});
}

TEST_F(NotesPanelTest, ShowNotesBringsOnlyVisibleNotesForward) {
  WriteNote("1.tdn", "Title=Offen\r\n");
  WriteNote("2.tdn", "Title=Zu\r\nVisible=0\r\n");
  TfrNotes& panel = Start();
  panel.acShowNotes->trigger();
  EXPECT_TRUE(panel.Notes()[0]->isVisible());
  EXPECT_FALSE(panel.Notes()[1]->isVisible());
}

}  // namespace
}  // namespace tolvex::test

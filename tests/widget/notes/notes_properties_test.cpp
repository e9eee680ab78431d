// The note properties dialog: what it loads, how its controls follow each
// other, what Ok, "Übernehmen" and "Abbrechen" do to the note, the colour,
// font and sound dialogs, and where it opens.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeWidget>

#include "notes_fixture.h"
#include "shared/placement.h"
#include "snapins/notes/notes_properties.h"
#include "snapins/notes/task_list.h"

namespace tolvex::test {
namespace {

using Use = std::function<void(TwNotesProperties&)>;

class NotesPropertiesTest : public NotesTest {
 protected:
  // Opens the note's properties from its window; the dialog's outcome.
  bool Open(TwNote& note, const Use& use, ModalAnswer others = {}) {
    TScopedModalAnswer answer(OnDialog<TwNotesProperties>(use, std::move(others)));
    return note.OpenProperties(nullptr);
  }
  // Wednesday, 12 March 2025, 14:35:20.
  static TDateTime Moment() { return EncodeDate(2025, 3, 12) + EncodeTime(14, 35, 20, 0); }
  static TWeekdaySet Days(const char* text) { return TextToWeekdays(text); }
  static QString DaysOf(const TwNotesProperties& dialog) {
    QString days;
    for (QCheckBox* box : dialog.cbDays) days += box->isChecked() ? '1' : '0';
    return days;
  }
};

TEST_F(NotesPropertiesTest, ANoteWithoutAlarmOpensOnTodayNowAndTheWorkingDays) {
  TScopedClock clock([] { return Moment(); });
  WriteNote("1.tdn", "Title=Einkauf\r\nStayOnTop=1\r\nToolbar=0\r\nPriority=2\r\n");
  TwNote& note = *Start().Notes()[0];
  EXPECT_FALSE(Open(note, [](TwNotesProperties& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Eigenschaften");
    EXPECT_EQ(dialog.pcPages->currentIndex(), 0);
    EXPECT_EQ(dialog.pcPages->tabText(0), "&Notiz");
    EXPECT_EQ(dialog.pcPages->tabText(1), "&Alarm");
    EXPECT_EQ(dialog.edTitle->text(), "Einkauf");
    EXPECT_TRUE(dialog.cbVisible->isChecked());
    EXPECT_TRUE(dialog.cbStayOnTop->isChecked());
    EXPECT_FALSE(dialog.cbToolbar->isChecked());
    EXPECT_FALSE(dialog.cbTask->isChecked());
    EXPECT_EQ(dialog.cbPriority->currentText(), "niedrig");
    EXPECT_FALSE(dialog.cbPriority->isEnabled());
    EXPECT_EQ(dialog.edDemo->toPlainText(), "Vorschau");
    EXPECT_EQ(dialog.edDemo->palette().color(QPalette::Base), QColor(255, 255, 225));

    EXPECT_FALSE(dialog.cbAlarm->isChecked());
    EXPECT_EQ(dialog.edDate->date(), QDate(2025, 3, 12));
    EXPECT_EQ(dialog.edTime->time(), QTime(14, 35));
    EXPECT_EQ(dialog.cbAction->currentIndex(), 0);
    EXPECT_EQ(dialog.cbSchedType->currentIndex(), 0);
    EXPECT_EQ(DaysOf(dialog), "1111100");
    EXPECT_TRUE(dialog.SoundFile().isEmpty());
    for (QWidget* off : std::initializer_list<QWidget*>{
             dialog.cbAction, dialog.txAction, dialog.cbSchedType, dialog.edTime, dialog.edDate,
             dialog.txDays, dialog.cbDays[0], dialog.btApply})
      EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_TRUE(dialog.btBrowse->isHidden());
    EXPECT_FALSE(dialog.Changed());
    EXPECT_TRUE(dialog.btOk->isDefault());
    dialog.btCancel->click();
  }));
}

TEST_F(NotesPropertiesTest, ItsListsAndDaysCarryTheirTexts) {
  TwNote& note = *Start().NewNote();
  Open(note, [](TwNotesProperties& dialog) {
    const auto items = [](QComboBox* list) {
      QStringList texts;
      for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
      return texts;
    };
    EXPECT_EQ(items(dialog.cbPriority), (QStringList{"hoch", "normal", "niedrig"}));
    EXPECT_EQ(items(dialog.cbAction),
              (QStringList{"Notiz in den Vordergrund", "Meldung anzeigen", "Akustisches Signal"}));
    EXPECT_EQ(items(dialog.cbSchedType), (QStringList{"einmalig", "wiederholt"}));
    QStringList days;
    for (QCheckBox* box : dialog.cbDays) days << box->text();
    EXPECT_EQ(days, (QStringList{"&Montag", "Diens&tag", "M&ittwoch", "D&onnerstag", "Fr&eitag",
                                 "Sa&mstag", "Sonnta&g"}));
    EXPECT_EQ(dialog.btColor->text(), "&Hintergrundfarbe...");
    EXPECT_EQ(dialog.btFont->text(), "S&chriftauswahl...");
    EXPECT_EQ(dialog.btBrowse->text(), "&Signal...");
    EXPECT_EQ(dialog.cbAlarm->text(), "Alarm&funktion aktivieren");
    dialog.btCancel->click();
  });
}

TEST_F(NotesPropertiesTest, AnAlarmThatIsOnShowsItsMomentScheduleAndDays) {
  WriteNote("1.tdn",
            "Title=Termin\r\nTask=1\r\nPriority=7\r\nAlarm=1\r\nAlarmDate=24.12.2025\r\n"
            "AlarmTime=07:30\r\nAlarmType=2\r\nAlarmSound=/tmp/gong.wav\r\nAlarmSchedule=1\r\n"
            "AlarmDays=0000011\r\n");
  TwNote& note = *Start().Notes()[0];
  Open(note, [](TwNotesProperties& dialog) {
    EXPECT_TRUE(dialog.cbPriority->isEnabled());
    EXPECT_EQ(dialog.cbPriority->currentIndex(), -1);
    EXPECT_EQ(dialog.edDate->date(), QDate(2025, 12, 24));
    EXPECT_EQ(dialog.edTime->time(), QTime(7, 30));
    EXPECT_EQ(dialog.cbAction->currentIndex(), 2);
    EXPECT_EQ(dialog.SoundFile(), "/tmp/gong.wav");
    EXPECT_FALSE(dialog.btBrowse->isHidden());
    EXPECT_EQ(dialog.cbSchedType->currentIndex(), 1);
    EXPECT_EQ(DaysOf(dialog), "0000011");
    EXPECT_FALSE(dialog.edDate->isEnabled());
    EXPECT_TRUE(dialog.cbDays[6]->isEnabled());
    EXPECT_TRUE(dialog.txDays->isEnabled());
    dialog.btCancel->click();
  });
}

TEST_F(NotesPropertiesTest, TheControlsFollowEachOther) {
  TwNote& note = *Start().NewNote();
  Open(note, [](TwNotesProperties& dialog) {
    dialog.cbStayOnTop->click();
    ASSERT_TRUE(dialog.cbStayOnTop->isChecked());
    EXPECT_TRUE(dialog.Changed());
    EXPECT_TRUE(dialog.btApply->isEnabled());
    dialog.cbVisible->click();
    EXPECT_FALSE(dialog.cbStayOnTop->isEnabled());
    EXPECT_FALSE(dialog.cbStayOnTop->isChecked());

    dialog.cbTask->click();
    EXPECT_TRUE(dialog.cbPriority->isEnabled());

    dialog.cbAlarm->click();
    EXPECT_TRUE(dialog.cbAction->isEnabled());
    EXPECT_TRUE(dialog.edDate->isEnabled());
    EXPECT_FALSE(dialog.cbDays[0]->isEnabled());
    dialog.cbSchedType->setCurrentIndex(1);
    EXPECT_FALSE(dialog.edDate->isEnabled());
    EXPECT_FALSE(dialog.txDate->isEnabled());
    EXPECT_TRUE(dialog.cbDays[0]->isEnabled());
    EXPECT_TRUE(dialog.txDays->isEnabled());

    EXPECT_TRUE(dialog.btBrowse->isHidden());
    dialog.cbAction->setCurrentIndex(2);
    EXPECT_FALSE(dialog.btBrowse->isHidden());
    dialog.cbAction->setCurrentIndex(1);
    EXPECT_TRUE(dialog.btBrowse->isHidden());
    dialog.btCancel->click();
  });
  EXPECT_TRUE(note.isVisible());
  EXPECT_FALSE(note.Task().task);
}

TEST_F(NotesPropertiesTest, OkAppliesEverythingAndHidingSavesTheNote) {
  TfrNotes& panel = Start();
  TwNote& note = *panel.NewNote();
  note.SetStayOnTop(true);
  ASSERT_TRUE(Open(note, [](TwNotesProperties& dialog) {
    dialog.edTitle->setText("Zahnarzt");
    dialog.cbVisible->click();
    dialog.cbToolbar->click();
    dialog.cbTask->click();
    dialog.cbPriority->setCurrentIndex(0);
    dialog.cbAlarm->click();
    dialog.edDate->setDate(QDate(2025, 6, 2));
    dialog.edTime->setTime(QTime(9, 15));
    dialog.btOk->click();
  }));
  EXPECT_FALSE(note.isVisible());
  EXPECT_FALSE(note.StayOnTop());
  EXPECT_FALSE(note.ToolbarShown());
  EXPECT_EQ(note.Title(), "Zahnarzt");
  EXPECT_EQ(note.Task(), (TNoteTask{true, false, npHigh}));
  EXPECT_TRUE(note.Alarm().on);
  EXPECT_EQ(note.Alarm().moment, EncodeDate(2025, 6, 2) + EncodeTime(9, 15, 0, 0));
  EXPECT_EQ(note.Alarm().days, Days("1111100"));
  // Hiding wrote the file; the dialog's change stays marked.
  ASSERT_EQ(NoteFiles(), QStringList{"1.tdn"});
  EXPECT_EQ(ParsedNote("1.tdn").title, "Zahnarzt");
  EXPECT_FALSE(ParsedNote("1.tdn").visible);
  EXPECT_TRUE(note.acSave->isEnabled());
}

TEST_F(NotesPropertiesTest, SwitchingTheAlarmOffStoresTheWorkingDaysAndNoMoment) {
  WriteNote("1.tdn",
            "Title=Wecker\r\nAlarm=1\r\nAlarmDate=24.12.2025\r\nAlarmTime=07:30\r\nAlarmType=2\r\n"
            "AlarmSound=/tmp/gong.wav\r\nAlarmSchedule=1\r\nAlarmDays=0000011\r\n");
  TwNote& note = *Start().Notes()[0];
  ASSERT_TRUE(Open(note, [](TwNotesProperties& dialog) {
    dialog.cbDays[6]->click();
    dialog.cbDays[2]->click();
    dialog.cbAlarm->click();
    dialog.btOk->click();
  }));
  EXPECT_EQ(note.Alarm(), (TNoteAlarm{false, 0, atToFront, {}, asOnce, Days("1111100")}));
}

TEST_F(NotesPropertiesTest, AnAlarmTypeAndScheduleWithoutItemStayAsTheyAre) {
  WriteNote("1.tdn", "Title=Alt\r\nAlarm=1\r\nAlarmType=5\r\nAlarmSchedule=4\r\nPriority=9\r\n");
  TwNote& note = *Start().Notes()[0];
  ASSERT_TRUE(Open(note, [](TwNotesProperties& dialog) {
    EXPECT_EQ(dialog.cbAction->currentIndex(), -1);
    dialog.edTitle->setText("Neu");
    dialog.btOk->click();
  }));
  EXPECT_EQ(note.Alarm().type, 5);
  EXPECT_EQ(note.Alarm().schedule, 4);
  EXPECT_EQ(note.Task().priority, 9);
}

TEST_F(NotesPropertiesTest, ASoundIsKeptOnlyForTheSoundAction) {
  const QString sound = dir_.filePath("gong.wav");
  QFile(sound).open(QIODevice::WriteOnly);
  struct Case {
    int action;
    QString kept;
  };
  for (const Case& row : {Case{atQuestion, QString()}, Case{atSound, sound}}) {
    TwNote& note = *Start().NewNote();
    ASSERT_TRUE(Open(
        note,
        [&](TwNotesProperties& dialog) {
          dialog.cbAlarm->click();
          dialog.cbAction->setCurrentIndex(atSound);
          dialog.btBrowse->click();
          EXPECT_EQ(dialog.SoundFile(), sound);
          dialog.cbAction->setCurrentIndex(row.action);
          dialog.btOk->click();
        },
        AnswerFileDialog(sound)));
    EXPECT_EQ(note.Alarm().type, row.action);
    EXPECT_EQ(note.Alarm().sound, row.kept);
    Stop();
  }
}

TEST_F(NotesPropertiesTest, ColourAndFontComeFromTheirDialogs) {
  TwNote& note = *Start().NewNote();
  QFont font("DejaVu Serif", 14);
  font.setBold(true);
  ASSERT_TRUE(Open(
      note,
      [](TwNotesProperties& dialog) {
        dialog.btColor->click();
        dialog.btFont->click();
        EXPECT_EQ(dialog.edDemo->palette().color(QPalette::Base), QColor(10, 20, 30));
        EXPECT_EQ(dialog.edDemo->font().family(), "DejaVu Serif");
        EXPECT_TRUE(dialog.Changed());
        dialog.btOk->click();
      },
      AnswerColorDialog(QColor(10, 20, 30), AnswerFontDialog(font, QColor(Qt::red)))));
  const TNoteLook& look = note.Look();
  EXPECT_EQ(look.color, 10 + (20 << 8) + (30 << 16));
  EXPECT_EQ(look.fontName, "DejaVu Serif");
  EXPECT_EQ(look.fontSize, 14);
  EXPECT_EQ(FlagsToInt(look.fontStyle), 1);
  EXPECT_EQ(look.fontColor, 255);
  EXPECT_EQ(note.Editor().palette().color(QPalette::Base), QColor(10, 20, 30));
}

TEST_F(NotesPropertiesTest, CancelledColourAndFontDialogsChangeNothing) {
  TwNote& note = *Start().NewNote();
  const TNoteLook before = note.Look();
  Open(
      note,
      [](TwNotesProperties& dialog) {
        dialog.btColor->click();
        dialog.btFont->click();
        dialog.btBrowse->click();
        EXPECT_FALSE(dialog.Changed());
        dialog.btOk->click();
      },
      AnswerColorDialog(QColor(), AnswerFontDialog(std::nullopt, {}, AnswerFileDialog({}))));
  EXPECT_EQ(note.Look(), before);
}

TEST_F(NotesPropertiesTest, OkWithoutAChangeLeavesTheNoteButDisablesSave) {
  TwNote& note = *Start().NewNote();
  note.Editor().setPlainText("Text");
  note.Editor().document()->setModified(true);
  note.SetChanged(true);
  ASSERT_TRUE(note.acSave->isEnabled());
  ASSERT_TRUE(Open(note, [](TwNotesProperties& dialog) { dialog.btOk->click(); }));
  EXPECT_FALSE(note.acSave->isEnabled());
  EXPECT_FALSE(note.IsModified());
  EXPECT_EQ(note.Lines(), QStringList{"Text"});
  EXPECT_TRUE(NoteFiles().isEmpty());
}

TEST_F(NotesPropertiesTest, ApplyKeepsTheDialogOpenAndCancelKeepsTheNote) {
  TwNote& note = *Start().NewNote();
  EXPECT_FALSE(Open(note, [&](TwNotesProperties& dialog) {
    dialog.edTitle->setText("Erst");
    dialog.btApply->click();
    EXPECT_EQ(note.Title(), "Erst");
    EXPECT_FALSE(dialog.Changed());
    EXPECT_FALSE(dialog.btApply->isEnabled());
    dialog.edTitle->setText("Dann");
    dialog.btCancel->click();
  }));
  EXPECT_EQ(note.Title(), "Erst");
}

TEST_F(NotesPropertiesTest, APriorityChangeRefreshesTheTaskListRow) {
  WriteNote("1.tdn", "Title=Steuer\r\nTask=1\r\nPriority=1\r\n");
  TfrNotes& panel = Start();
  panel.ShowTaskList();
  QTreeWidget& rows = *panel.TaskList().lvTasks;
  ASSERT_EQ(rows.topLevelItemCount(), 1);
  EXPECT_EQ(rows.topLevelItem(0)->text(1), "hoch");
  Open(*panel.Notes()[0], [](TwNotesProperties& dialog) {
    dialog.cbPriority->setCurrentIndex(1);
    dialog.btOk->click();
  });
  ASSERT_EQ(rows.topLevelItemCount(), 1);
  EXPECT_EQ(rows.topLevelItem(0)->text(1), "normal");
}

TEST_F(NotesPropertiesTest, ItOpensBesideItsOwnerInsideTheWorkArea) {
  TwNote& note = *Start().NewNote();
  const QRect area = WorkAreaRect();
  note.move(100, 120);
  Open(note, [&](TwNotesProperties& dialog) {
    EXPECT_EQ(dialog.pos(), note.frameGeometry().topLeft() + QPoint(50, 50));
    dialog.btCancel->click();
  });
  note.move(area.right() - 60, area.bottom() - 60);
  Open(note, [&](TwNotesProperties& dialog) {
    const QSize size = OuterSize(dialog);
    EXPECT_EQ(dialog.pos(), QPoint(area.left() + area.width() - size.width() - 50,
                                   area.top() + area.height() - size.height() - 50));
    dialog.btCancel->click();
  });
}

}  // namespace
}  // namespace tolvex::test

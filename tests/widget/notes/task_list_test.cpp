// The task list window: its settings, its rows and their order, ticking
// tasks off with each "CheckTaskAction", renaming, the keys, new tasks and
// what it writes when it goes.
#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>

#include "controls/button.h"
#include "notes_fixture.h"
#include "snapins/notes/notes_properties.h"
#include "snapins/notes/task_list.h"

namespace tolvex::test {
namespace {

class TaskListTest : public NotesTest {
 protected:
  void Config(const char* key, const QString& value) {
    bar_.config.WriteString("Defaults", key, value);
  }
  QString Stored(const char* key) { return bar_.config.ReadString("Defaults", key, "(none)"); }
  // Starts the panel and shows its task list.
  TwTaskList& Shown() {
    TfrNotes& panel = Start();
    panel.ShowTaskList();
    return panel.TaskList();
  }
  static QStringList Column(const TwTaskList& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.lvTasks->topLevelItemCount(); ++i)
      texts << list.lvTasks->topLevelItem(i)->text(column);
    return texts;
  }
  static QTreeWidgetItem& Row(const TwTaskList& list, int i) {
    return *list.lvTasks->topLevelItem(i);
  }
  static void Select(TwTaskList& list, int i) {
    list.lvTasks->setCurrentItem(list.lvTasks->topLevelItem(i));
  }
  static void Key(TwTaskList& list, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(list.lvTasks, &press);
  }
  void WriteTasks() {
    WriteNote("1.tdn", "Title=birnen\r\nTask=1\r\nPriority=2\r\n");
    WriteNote("2.tdn", "Title=Keine Aufgabe\r\n");
    WriteNote("3.tdn", "Title=Äpfel\r\nTask=1\r\nTaskDone=1\r\nPriority=0\r\n");
    WriteNote("4.tdn", "Title=Birnen\r\nTask=1\r\nPriority=1\r\nVisible=0\r\n");
    WriteNote("5.tdn", "Title=apfel\r\nTask=1\r\nPriority=2\r\n");
  }
};

TEST_F(TaskListTest, ItIsTheWindowAufgabenWithItsActions) {
  TwTaskList& list = Start().TaskList();
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.windowTitle(), "Aufgaben");
  EXPECT_EQ(list.size(), QSize(283, 293));
  EXPECT_EQ(list.lvTasks->headerItem()->text(0), "Aufgabe");
  EXPECT_EQ(list.lvTasks->headerItem()->text(1), "Priorität");
  QStringList menu;
  for (QAction* action : list.pmTasks->actions()) menu << action->text();
  EXPECT_EQ(menu, (QStringList{"&Neue Aufgabe...", "&Löschen", "&Eigenschaften", "",
                               "Sortieren nach &Aufgabe", "Sortieren nach &Priorität"}));
  EXPECT_EQ(list.acDelete->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_EQ(list.acProperties->shortcut(), QKeySequence("F2"));
  EXPECT_EQ(list.spPreview->handleWidth(), 3);
}

TEST_F(TaskListTest, ThePanelShowsItByItsButtonOrAtTheStartWhenAsked) {
  TfrNotes& panel = Start();
  EXPECT_FALSE(panel.TaskList().isVisible());
  ASSERT_TRUE(panel.acTaskList->isEnabled());
  panel.btNotesList->Click();
  EXPECT_TRUE(panel.TaskList().isVisible());
  Stop();
  Config("ShowTaskList", "1");
  EXPECT_TRUE(Start().TaskList().isVisible());
}

TEST_F(TaskListTest, TasksPosAppliesTheValuesThatAreZeroOrMore) {
  struct Case {
    const char* stored;
    QPoint at;
    QSize size;
  };
  for (const Case& row :
       {Case{"10,20,300,-5", {10, 20}, {300, 293}}, Case{"15,x,200", {15, 0}, {200, 293}},
        Case{"7,8,150,160", {7, 8}, {150, 160}}}) {
    Config("TasksPos", row.stored);
    TwTaskList& list = Start().TaskList();
    EXPECT_EQ(list.pos(), row.at) << row.stored;
    EXPECT_EQ(list.size(), row.size) << row.stored;
    Stop();
  }
}

TEST_F(TaskListTest, WithoutTasksTheButtonsAreOffAndThePreviewIsEmpty) {
  WriteNote("1.tdn", "Title=Keine Aufgabe\r\nBodybegin\r\nText\r\nBodyend\r\n");
  TwTaskList& list = Shown();
  EXPECT_EQ(list.lvTasks->topLevelItemCount(), 0);
  EXPECT_FALSE(list.acDelete->isEnabled());
  EXPECT_FALSE(list.acProperties->isEnabled());
  EXPECT_TRUE(list.edPreview->toPlainText().isEmpty());
  EXPECT_EQ(list.edPreview->palette().color(QPalette::Base),
            list.lvTasks->palette().color(QPalette::Base));
  EXPECT_TRUE(list.acNew->isEnabled());
}

TEST_F(TaskListTest, ShowingListsTheTasksByTitleWithTicksAndPriorities) {
  WriteTasks();
  TwTaskList& list = Shown();
  EXPECT_EQ(list.SortOrder(), 0);
  EXPECT_TRUE(list.acSort1->isChecked());
  // Letters a to z compare as capitals; equal titles keep the notes' order.
  EXPECT_EQ(Column(list, 0), (QStringList{"apfel", "birnen", "Birnen", "Äpfel"}));
  EXPECT_EQ(Column(list, 1), (QStringList{"niedrig", "niedrig", "hoch", "normal"}));
  EXPECT_EQ(Row(list, 3).checkState(0), Qt::Checked);
  EXPECT_EQ(Row(list, 0).checkState(0), Qt::Unchecked);
  EXPECT_TRUE(list.acDelete->isEnabled());
}

TEST_F(TaskListTest, SortingByPriorityPutsHighFirstAndLowLast) {
  WriteTasks();
  TwTaskList& list = Shown();
  list.lvTasks->header()->sectionClicked(1);
  EXPECT_EQ(list.SortOrder(), 1);
  EXPECT_TRUE(list.acSort2->isChecked());
  EXPECT_FALSE(list.acSort1->isChecked());
  EXPECT_EQ(Column(list, 1), (QStringList{"hoch", "normal", "niedrig", "niedrig"}));
  // Equal priorities keep the order of the notes list.
  EXPECT_EQ(Column(list, 0), (QStringList{"Birnen", "Äpfel", "birnen", "apfel"}));
  list.acSort1->trigger();
  EXPECT_EQ(Column(list, 0), (QStringList{"apfel", "birnen", "Birnen", "Äpfel"}));
}

TEST_F(TaskListTest, TasksSortAndPreviewHeightAreTakenAndWrittenBack) {
  Config("TasksSort", "1");
  Config("PreviewHeight", "60");
  Config("TasksPos", "30,40,250,260");
  TwTaskList& list = Shown();
  EXPECT_EQ(list.SortOrder(), 1);
  EXPECT_EQ(list.edPreview->height(), 60);
  list.SetSortOrder(0);
  list.move(50, 60);
  Stop();
  EXPECT_EQ(Stored("TasksSort"), "0");
  EXPECT_EQ(Stored("PreviewHeight"), "60");
  EXPECT_EQ(Stored("TasksPos"), "50,60,250,260");
}

TEST_F(TaskListTest, ANewTaskIsListedAtOnceAsNormal) {
  TwTaskList& list = Shown();
  list.acNew->trigger();
  ASSERT_EQ(list.lvTasks->topLevelItemCount(), 1);
  EXPECT_EQ(Row(list, 0).text(0), "Notiz");
  EXPECT_EQ(Row(list, 0).text(1), "normal");
  EXPECT_TRUE(list.acProperties->isEnabled());
  EXPECT_TRUE(panel_->Notes().back()->Task().task);
}

TEST_F(TaskListTest, RenamingANoteThatIsNoTaskAddsNoRow) {
  WriteNote("1.tdn", "Title=Keine Aufgabe\r\n");
  TwTaskList& list = Shown();
  TScopedModalAnswer answer(OnDialog<TwNotesProperties>([](TwNotesProperties& dialog) {
    dialog.edTitle->setText("Anders");
    dialog.btOk->click();
  }));
  ASSERT_TRUE(panel_->Notes()[0]->OpenProperties(nullptr));
  EXPECT_EQ(list.lvTasks->topLevelItemCount(), 0);
}

TEST_F(TaskListTest, TickingATaskOffFollowsCheckTaskAction) {
  struct Case {
    int action;
    int answer;
    bool deleted;
    size_t questions;
  };
  for (const Case& row : {Case{0, mrNo, false, 0}, Case{1, mrNo, false, 1}, Case{1, mrYes, true, 1},
                          Case{2, mrNo, true, 0}}) {
    WriteNote("1.tdn", "Title=Steuer\r\nTask=1\r\n");
    Config("CheckTaskAction", QString::number(row.action));
    questions_.clear();
    TScopedModalAnswer answer(Answer(row.answer));
    TwTaskList& list = Shown();
    list.move(100, 100);
    Row(list, 0).setCheckState(0, Qt::Checked);
    QCoreApplication::processEvents();
    EXPECT_EQ(questions_.size(), row.questions) << row.action;
    if (row.questions == 1) {
      EXPECT_EQ(questions_[0].position, QPoint(150, 150));
    }
    EXPECT_EQ(NoteFiles().isEmpty(), row.deleted) << row.action;
    if (row.deleted) {
      EXPECT_EQ(list.lvTasks->topLevelItemCount(), 0);
      EXPECT_FALSE(list.acDelete->isEnabled());
    } else {
      ASSERT_EQ(list.lvTasks->topLevelItemCount(), 1);
      EXPECT_EQ(Row(list, 0).checkState(0), Qt::Checked);
      EXPECT_TRUE(ParsedNote("1.tdn").task.done) << row.action;
    }
    Stop();
  }
}

TEST_F(TaskListTest, UntickingOnlyChangesTheNote) {
  WriteNote("1.tdn", "Title=Steuer\r\nTask=1\r\nTaskDone=1\r\n");
  Config("CheckTaskAction", "2");
  TwTaskList& list = Shown();
  Row(list, 0).setCheckState(0, Qt::Unchecked);
  QCoreApplication::processEvents();
  TwNote& note = *panel_->Notes()[0];
  EXPECT_FALSE(note.Task().done);
  EXPECT_TRUE(note.Changed());
  EXPECT_TRUE(ParsedNote("1.tdn").task.done);
}

TEST_F(TaskListTest, RenamingARowRenamesItsNote) {
  WriteNote("1.tdn", "Title=Steuer\r\nTask=1\r\n");
  TwTaskList& list = Shown();
  Row(list, 0).setText(0, "Steuererklärung");
  TwNote& note = *panel_->Notes()[0];
  EXPECT_EQ(note.Title(), "Steuererklärung");
  EXPECT_TRUE(note.Changed());
}

TEST_F(TaskListTest, SelectingShowsTheNoteInItsLookAndTheKeysActOnIt) {
  WriteNote(
      "1.tdn",
      "Title=Steuer\r\nTask=1\r\nVisible=0\r\nColor=255\r\nBodybegin\r\nBelege\r\nBodyend\r\n");
  TwTaskList& list = Shown();
  TwNote& note = *panel_->Notes()[0];
  Select(list, 0);
  EXPECT_EQ(list.edPreview->toPlainText(), "Belege");
  EXPECT_EQ(list.edPreview->palette().color(QPalette::Base), QColor(255, 0, 0));

  Key(list, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_FALSE(note.isVisible());
  Key(list, Qt::Key_Return);
  EXPECT_TRUE(note.isVisible());

  int properties = 0;
  {
    TScopedModalAnswer answer(OnDialog<TwNotesProperties>([&](TwNotesProperties& dialog) {
      ++properties;
      dialog.cbTask->click();
      dialog.btOk->click();
    }));
    Key(list, Qt::Key_F2);
  }
  EXPECT_EQ(properties, 1);
  EXPECT_EQ(list.lvTasks->topLevelItemCount(), 0);
}

TEST_F(TaskListTest, DeletingAsksAndRemovesTheRow) {
  WriteNote("1.tdn", "Title=Eins\r\nTask=1\r\n");
  WriteNote("2.tdn", "Title=Zwei\r\nTask=1\r\n");
  TwTaskList& list = Shown();
  Select(list, 0);
  {
    TScopedModalAnswer answer(Answer(mrNo));
    Key(list, Qt::Key_L, Qt::ControlModifier);
  }
  EXPECT_EQ(list.lvTasks->topLevelItemCount(), 2);
  {
    TScopedModalAnswer answer(Answer(mrYes));
    Key(list, Qt::Key_L, Qt::ControlModifier);
  }
  EXPECT_EQ(questions_.size(), 2u);
  EXPECT_EQ(Column(list, 0), QStringList{"Zwei"});
  EXPECT_EQ(NoteFiles(), QStringList{"2.tdn"});
}

TEST_F(TaskListTest, DeletingANoteInItsWindowRemovesItsRow) {
  WriteNote("1.tdn", "Title=Eins\r\nTask=1\r\n");
  TwTaskList& list = Shown();
  TScopedModalAnswer answer(Answer(mrYes));
  panel_->Notes()[0]->acDelete->trigger();
  EXPECT_EQ(list.lvTasks->topLevelItemCount(), 0);
  EXPECT_FALSE(list.acProperties->isEnabled());
}

TEST_F(TaskListTest, TheFirstColumnTakesTheWidthTheSecondLeaves) {
  TwTaskList& list = Shown();
  list.resize(400, 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(list.lvTasks->columnWidth(0),
            list.lvTasks->width() - list.lvTasks->columnWidth(1) - 20);
}

}  // namespace
}  // namespace tolvex::test

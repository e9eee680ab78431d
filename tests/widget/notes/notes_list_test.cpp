// The notes list dialog: what it loads from "Defaults" and the notes, the
// details of a note, its properties from the list, and what applying
// writes and shows; opened from the panel on either page.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "notes_fixture.h"
#include "shared/placement.h"
#include "snapins/notes/notes_list.h"
#include "snapins/notes/notes_properties.h"

namespace tolvex::test {
namespace {

using Use = std::function<void(TwNotesList&)>;

class NotesListTest : public NotesTest {
 protected:
  // Opens the dialog through the panel's action; whether it ended with OK.
  bool Open(TtxAction* action, const Use& use, ModalAnswer others = {}) {
    int result = mrNone;
    TScopedModalAnswer answer(OnDialog<TwNotesList>(
        [&](TwNotesList& dialog) {
          use(dialog);
          result = dialog.result();
        },
        std::move(others)));
    action->trigger();
    return result == mrOk;
  }
  QString Stored(const char* key) { return bar_.config.ReadString("Defaults", key, "(none)"); }
  static QStringList Lines(const TwNotesList& dialog) {
    QStringList lines;
    for (int i = 0; i < dialog.lbNotes->count(); ++i) {
      const QListWidgetItem* line = dialog.lbNotes->item(i);
      lines << (line->checkState() == Qt::Checked ? "+" : "-") + line->text();
    }
    return lines;
  }
  void WriteTwoNotes() {
    WriteNote("1.tdn", "Title=Offen\r\nColor=65280\r\nBodybegin\r\nEins\r\nZwei\r\nBodyend\r\n");
    WriteNote("2.tdn", "Title=Zu\r\nVisible=0\r\n");
  }
};

TEST_F(NotesListTest, ItLoadsTheDefaultsAndOneLinePerNote) {
  bar_.config.WriteString("Defaults", "FontName", "DejaVu Serif");
  bar_.config.WriteInteger("Defaults", "FontSize", 12);
  bar_.config.WriteInteger("Defaults", "FontStyle", 2);
  bar_.config.WriteInteger("Defaults", "FontColor", 255);
  bar_.config.WriteInteger("Defaults", "Color", 16711680);
  bar_.config.WriteBool("Defaults", "ShowToolbar", false);
  bar_.config.WriteInteger("Defaults", "CheckTaskAction", 2);
  WriteTwoNotes();
  TfrNotes& panel = Start();
  Open(panel.acNotesList, [](TwNotesList& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "TolvexNotes");
    EXPECT_EQ(dialog.pcPages->currentIndex(), 0);
    EXPECT_EQ(dialog.pcPages->tabText(0), "&Notizen");
    EXPECT_EQ(dialog.pcPages->tabText(1), "&Optionen");
    EXPECT_EQ(Lines(dialog), (QStringList{"+Offen", "-Zu"}));
    EXPECT_EQ(dialog.btNoteProps->text(), "&Eigenschaften...");
    EXPECT_EQ(dialog.edDemo->toPlainText(), "Vorschau");
    EXPECT_EQ(dialog.edDemo->font().family(), "DejaVu Serif");
    EXPECT_EQ(dialog.edDemo->font().pointSize(), 12);
    EXPECT_TRUE(dialog.edDemo->font().italic());
    EXPECT_EQ(dialog.edDemo->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(dialog.edDemo->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(dialog.btFont->text(), "&Schriftauswahl..");
    EXPECT_FALSE(dialog.cbToolbar->isChecked());
    EXPECT_EQ(dialog.cbCheckTask->currentIndex(), 2);
    EXPECT_EQ(dialog.cbCheckTask->itemText(1), "Notiz auf Nachfrage löschen");
    QStringList groups;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) groups << group->title();
    EXPECT_EQ(groups, (QStringList{"Vorgaben für neue Notizen", "Aufgaben"}));
    EXPECT_FALSE(dialog.Changed());
    EXPECT_FALSE(dialog.btApply->isEnabled());
    dialog.btCancel->click();
  });
}

TEST_F(NotesListTest, TheOptionsOpenOnTheirPageAtThePanelsCorner) {
  TfrNotes& panel = Start();
  bar_.move(100, 120);
  const QPoint corner = panel.mapToGlobal(QPoint(panel.width(), 0));
  Open(panel.acOptions, [&](TwNotesList& dialog) {
    EXPECT_EQ(dialog.pcPages->currentIndex(), 1);
    EXPECT_EQ(dialog.pos(), corner);
    dialog.btCancel->click();
  });
  const QRect area = WorkAreaRect();
  bar_.move(area.right() - 100, area.bottom() - 100);
  Open(panel.acOptions, [&](TwNotesList& dialog) {
    const QRect frame(dialog.pos(), OuterSize(dialog));
    EXPECT_EQ(frame.right(), area.right());
    EXPECT_EQ(frame.bottom(), area.bottom());
    dialog.btCancel->click();
  });
}

TEST_F(NotesListTest, ALineShowsItsNoteInTheNotesLook) {
  WriteTwoNotes();
  TfrNotes& panel = Start();
  Open(panel.acNotesList, [](TwNotesList& dialog) {
    dialog.lbNotes->setCurrentRow(0);
    EXPECT_EQ(dialog.edDetails->toPlainText(), "Eins\nZwei");
    EXPECT_EQ(dialog.edDetails->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_FALSE(dialog.Changed());
    dialog.btCancel->click();
  });
}

TEST_F(NotesListTest, PropertiesFromTheListShowTheLineAnew) {
  WriteTwoNotes();
  TfrNotes& panel = Start();
  const auto properties = OnDialog<TwNotesProperties>([](TwNotesProperties& dialog) {
    dialog.edTitle->setText("Wieder offen");
    dialog.cbVisible->click();
    dialog.btOk->click();
  });
  Open(
      panel.acNotesList,
      [](TwNotesList& dialog) {
        dialog.lbNotes->setCurrentRow(1);
        dialog.btNoteProps->click();
        EXPECT_EQ(Lines(dialog), (QStringList{"+Offen", "+Wieder offen"}));
        EXPECT_EQ(dialog.lbNotes->currentRow(), 1);
        EXPECT_FALSE(dialog.Changed());
        dialog.btCancel->click();
      },
      properties);
  EXPECT_TRUE(panel.Notes()[1]->isVisible());
}

TEST_F(NotesListTest, ApplyingShowsAndHidesByTheTicksAndWritesTheDefaults) {
  WriteTwoNotes();
  TfrNotes& panel = Start();
  const QFont font("DejaVu Sans Mono", 11);
  EXPECT_TRUE(Open(
      panel.acNotesList,
      [](TwNotesList& dialog) {
        dialog.lbNotes->item(0)->setCheckState(Qt::Unchecked);
        dialog.lbNotes->item(1)->setCheckState(Qt::Checked);
        EXPECT_TRUE(dialog.btApply->isEnabled());
        dialog.btColor->click();
        dialog.btFont->click();
        dialog.cbToolbar->click();
        dialog.btOk->click();
      },
      AnswerColorDialog(QColor(1, 2, 3), AnswerFontDialog(font, QColor(0, 0, 128)))));
  EXPECT_FALSE(panel.Notes()[0]->isVisible());
  EXPECT_TRUE(panel.Notes()[1]->isVisible());
  EXPECT_FALSE(ParsedNote("1.tdn").visible);
  EXPECT_EQ(Stored("Color"), QString::number(1 + (2 << 8) + (3 << 16)));
  EXPECT_EQ(Stored("FontName"), "DejaVu Sans Mono");
  EXPECT_EQ(Stored("FontSize"), "11");
  EXPECT_EQ(Stored("FontStyle"), "0");
  EXPECT_EQ(Stored("FontColor"), QString::number(128 << 16));
  EXPECT_EQ(Stored("ShowToolbar"), "0");
  EXPECT_EQ(Stored("CheckTaskAction"), "0");
  TwNote& fresh = *panel.NewNote();
  EXPECT_EQ(fresh.Look().fontName, "DejaVu Sans Mono");
  EXPECT_FALSE(fresh.ToolbarShown());
}

TEST_F(NotesListTest, OnlyAnotherCheckTaskActionAndOkStoresIt) {
  TfrNotes& panel = Start();
  EXPECT_TRUE(Open(panel.acOptions, [](TwNotesList& dialog) {
    dialog.cbCheckTask->setCurrentIndex(1);
    dialog.btOk->click();
  }));
  EXPECT_EQ(Stored("CheckTaskAction"), "1");
}

TEST_F(NotesListTest, AnUnknownCheckTaskActionStaysWhileNoItemIsChosen) {
  bar_.config.WriteInteger("Defaults", "CheckTaskAction", 5);
  TfrNotes& panel = Start();
  EXPECT_TRUE(Open(panel.acOptions, [](TwNotesList& dialog) {
    EXPECT_EQ(dialog.cbCheckTask->currentIndex(), -1);
    dialog.cbToolbar->click();
    dialog.btOk->click();
  }));
  EXPECT_EQ(Stored("CheckTaskAction"), "5");
  EXPECT_EQ(Stored("ShowToolbar"), "0");
}

TEST_F(NotesListTest, OkWithoutAChangeWritesNothing) {
  WriteTwoNotes();
  TfrNotes& panel = Start();
  EXPECT_TRUE(Open(panel.acNotesList, [](TwNotesList& dialog) { dialog.btOk->click(); }));
  EXPECT_EQ(Stored("FontName"), "(none)");
  EXPECT_EQ(Stored("CheckTaskAction"), "(none)");
  EXPECT_TRUE(panel.Notes()[0]->isVisible());
}

}  // namespace
}  // namespace tolvex::test

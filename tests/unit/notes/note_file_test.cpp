// The note file: what a save writes, how hand-written and older files read,
// how a new note's file is named, and that a failed write says so.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shared/calendar.h"
#include "snapins/notes/note_file.h"
#include "unit/shared/regional_fixture.h"

namespace tolvex {
namespace {

class NoteFileTest : public RegionalTest {};

QByteArray Body(const QByteArray& lines) {
  return "Bodybegin\r\n" + lines + "Bodyend\r\n";
}

TEST_F(NoteFileTest, ASaveWritesEveryKeyInItsOrderWithCrLf) {
  TNoteData note;
  note.title = "Einkauf";
  note.left = 10;
  note.top = 20;
  note.text = {"Milch", "", "Brot=2"};
  const QByteArray text = ComposeNoteFile(note, EncodeDate(2026, 12, 10) + EncodeTime(9, 5, 0, 0));
  EXPECT_EQ(text,
            "Title=Einkauf\r\nDate=10.12.2026\r\nTime=09:05\r\nLeft=10\r\nTop=20\r\n"
            "Height=160\r\nWidth=208\r\nStayOnTop=0\r\nVisible=1\r\nFontName=MS Sans Serif\r\n"
            "FontSize=8\r\nFontStyle=0\r\nFontColor=-2147483640\r\nColor=14811135\r\n"
            "Toolbar=1\r\nTask=0\r\nTaskDone=0\r\nPriority=0\r\nAlarm=0\r\nAlarmDate=\r\n"
            "AlarmTime=00:00\r\nAlarmType=0\r\nAlarmSound=\r\nAlarmSchedule=0\r\n"
            "AlarmDays=0000000\r\nBodybegin\r\nMilch\r\n\r\nBrot=2\r\nBodyend\r\n");
}

TEST_F(NoteFileTest, AnEmptyTextIsWrittenAsBodybeginFollowedByBodyend) {
  EXPECT_TRUE(
      ComposeNoteFile(TNoteData(), 0).endsWith("AlarmDays=0000000\r\nBodybegin\r\nBodyend\r\n"));
}

TEST_F(NoteFileTest, TheTimeOfASaveUsesTheRegionalTimeSeparator) {
  UseSeparators("/", ".");
  TNoteData note;
  note.alarm.moment = EncodeDate(2025, 12, 24) + EncodeTime(7, 30, 0, 0);
  const QByteArray text = ComposeNoteFile(note, EncodeDate(2026, 1, 2) + EncodeTime(13, 45, 0, 0));
  EXPECT_TRUE(text.contains("\r\nDate=02.01.2026\r\nTime=13.45\r\n"));
  EXPECT_TRUE(text.contains("\r\nAlarmDate=24/12/2025\r\nAlarmTime=07:30\r\n"));
}

TEST_F(NoteFileTest, EverythingASaveWritesReadsBack) {
  TNoteData note;
  note.title = "Termine = wichtig";
  note.left = -5;
  note.top = 300;
  note.width = 400;
  note.height = 250;
  note.stayOnTop = true;
  note.visible = false;
  note.toolbar = false;
  note.look = {"DejaVu Sans", 11, TFlagSet(0b1010), 255, 65280};
  note.task = {true, true, npLow};
  note.alarm = {true,       EncodeDate(2026, 3, 1) + EncodeTime(18, 15, 0, 0),
                atSound,    "/home/anna/Klänge/gong.wav",
                asRepeated, TWeekdaySet(0b1000001)};
  note.text = {"Zeile 1", "Title=kein Titel", "", "Bodybegin", "x=1", ""};
  EXPECT_EQ(ParseNoteFile(ComposeNoteFile(note, Now())), note);
}

struct ReadCase {
  const char* name;
  QByteArray file;
  std::function<void(const TNoteData&)> check;
};

TEST_F(NoteFileTest, ReadingFollowsTheFileRules) {
  const TDateTime christmas = EncodeDate(2025, 12, 24) + EncodeTime(7, 30, 0, 0);
  const std::vector<ReadCase> cases = {
      {"keys ignore case", "TITLE=Einkauf\r\n", [](auto& n) { EXPECT_EQ(n.title, "Einkauf"); }},
      {"a value keeps its '='", "Title=a=b\r\n", [](auto& n) { EXPECT_EQ(n.title, "a=b"); }},
      {"body lines with '=' stay text", "Title=T\r\n" + Body("x=1\r\nTitle=foo\r\n"),
       [](auto& n) {
         EXPECT_EQ(n.title, "T");
         EXPECT_EQ(n.text, (QStringList{"x=1", "Title=foo"}));
       }},
      {"no Visible line shows the note", "Title=T\r\n", [](auto& n) { EXPECT_TRUE(n.visible); }},
      {"only 1 is true", "Visible=yes\r\nToolbar=2\r\nTask=1\r\n",
       [](auto& n) {
         EXPECT_FALSE(n.visible);
         EXPECT_FALSE(n.toolbar);
         EXPECT_TRUE(n.task.task);
       }},
      {"a height of 100 is ignored", "Height=100\r\nWidth=101\r\n",
       [](auto& n) {
         EXPECT_EQ(n.height, 160);
         EXPECT_EQ(n.width, 101);
       }},
      {"unreadable sizes take their defaults", "Width=250\r\nHeight=abc\r\nWidth=abc\r\n",
       [](auto& n) {
         EXPECT_EQ(n.height, 160);
         EXPECT_EQ(n.width, 190);
       }},
      {"numbers take their defaults", "FontSize=x\r\nColor=\r\nLeft=?\r\nPriority= 2 \r\n",
       [](auto& n) {
         EXPECT_EQ(n.look.fontSize, 8);
         EXPECT_EQ(n.look.color, kNoteColor);
         EXPECT_EQ(n.left, 0);
         EXPECT_EQ(n.task.priority, 2);
       }},
      {"two weekdays", "AlarmDays=11\r\n",
       [](auto& n) { EXPECT_EQ(n.alarm.days, TWeekdaySet(0b11)); }},
      {"only seven weekdays count", "AlarmDays=000000011\r\n",
       [](auto& n) { EXPECT_EQ(n.alarm.days, TWeekdaySet()); }},
      {"time then date", "AlarmTime=07:30\r\nAlarmDate=24.12.2025\r\n",
       [&](auto& n) { EXPECT_DOUBLE_EQ(n.alarm.moment, christmas); }},
      {"date then time", "AlarmDate=24.12.2025\r\nAlarmTime=07:30\r\n",
       [&](auto& n) { EXPECT_DOUBLE_EQ(n.alarm.moment, christmas); }},
      {"a day that does not exist is no date",
       "AlarmTime=07:30\r\nAlarmDate=31.02.2025\r\nAlarm=1\r\n",
       [](auto& n) {
         EXPECT_DOUBLE_EQ(n.alarm.moment, EncodeTime(7, 30, 0, 0));
         EXPECT_TRUE(n.alarm.on);
       }},
      {"a time out of range is midnight", "AlarmDate=24.12.2025\r\nAlarmTime=25:00\r\nTitle=T\r\n",
       [](auto& n) {
         EXPECT_DOUBLE_EQ(n.alarm.moment, EncodeDate(2025, 12, 24));
         EXPECT_EQ(n.title, "T");
       }},
      {"Date and Time are ignored", "Date=01.01.2001\r\nTime=12:00\r\n",
       [](auto& n) { EXPECT_EQ(n, TNoteData()); }},
      {"CR, LF and CR LF end lines", "Title=T\rLeft=3\nTop=4\r\nBodybegin\ra\n\nb",
       [](auto& n) {
         EXPECT_EQ(n.left, 3);
         EXPECT_EQ(n.top, 4);
         EXPECT_EQ(n.text, (QStringList{"a", "", "b"}));
       }},
      {"markers in any case", "bodyBEGIN\r\nText\r\nBODYEND\r\nTitle=after\r\n",
       [](auto& n) {
         EXPECT_EQ(n.text, QStringList{"Text"});
         EXPECT_EQ(n.title, "after");
       }},
      {"lines of the text that read like markers stay text",
       Body("eins\r\nBodyend\r\nBodybegin\r\nzwei\r\n"),
       [](auto& n) {
         EXPECT_EQ(n.text, (QStringList{"eins", "Bodyend", "Bodybegin", "zwei"}));
       }},
      {"a body without its end runs to the end of the file", "Bodybegin\r\neins\r\n\r\n",
       [](auto& n) {
         EXPECT_EQ(n.text, (QStringList{"eins", ""}));
       }},
      {"other lines are ignored", "Irgendwas\r\nSchluessel=Wert\r\n",
       [](auto& n) { EXPECT_EQ(n, TNoteData()); }},
      {"Windows-1252 bytes", "Title=Eink\xe4ufe f\xfcr M\xfcller \x80\r\n" + Body("K\xe4se=3\r\n"),
       [](auto& n) {
         EXPECT_EQ(n.title, QString::fromUtf8("Einkäufe für Müller €"));
         EXPECT_EQ(n.text, QStringList{QString::fromUtf8("Käse=3")});
       }},
      {"UTF-8 with a byte-order mark",
       "\xEF\xBB\xBFTitle=Gr\xC3\xBC\xC3\x9F"
       "e\r\n",
       [](auto& n) { EXPECT_EQ(n.title, QString::fromUtf8("Grüße")); }},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.check(ParseNoteFile(c.file));
  }
}

TEST_F(NoteFileTest, ANewNoteTakesTheSmallestFreeNumber) {
  QTemporaryDir dir;
  EXPECT_EQ(NextNoteFileName(dir.path()), dir.path() + "/1.tdn");
  for (const char* name : {"1.tdn", "3.tdn"}) QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
  EXPECT_EQ(NextNoteFileName(dir.path() + "/"), dir.path() + "/2.tdn");
}

TEST_F(NoteFileTest, AWrittenFileReadsBackAndAFailedWriteSaysSo) {
  QTemporaryDir dir;
  TNoteData note;
  note.title = QString::fromUtf8("Grüße");
  note.left = 1;
  note.top = 2;
  note.text = {"a=b"};
  const QString path = dir.filePath("1.tdn");
  ASSERT_TRUE(WriteNoteFile(path, ComposeNoteFile(note, Now())));
  EXPECT_EQ(ReadNoteFile(path), note);
  EXPECT_FALSE(ReadNoteFile(dir.filePath("2.tdn")).has_value());
  EXPECT_FALSE(WriteNoteFile(dir.filePath("fehlt/1.tdn"), "x"));
}

}  // namespace
}  // namespace tolvex

// Alarms of the notes panel at moments the test sets: what each alarm type
// does with its note.
#include "notes_fixture.h"
#include "platform/sound.h"
#include "shared/calendar.h"

namespace tolvex::test {
namespace {

class RecordingSound : public platform::ISound {
 public:
  explicit RecordingSound(std::vector<std::string>& played) : played_(played) {}
  void PlayWaveFile(const std::string& path) override { played_.push_back(path); }

 private:
  std::vector<std::string>& played_;
};

class NotesAlarmTest : public NotesTest {
 protected:
  NotesAlarmTest() { platform::SetSound(std::make_unique<RecordingSound>(played_)); }
  ~NotesAlarmTest() override { platform::SetSound(nullptr); }

  // A hidden note with a once-only alarm on 24 December 2025 at 07:30.
  TwNote& StartWithAlarm(int type, const QString& sound = {}) {
    WriteNote("1.tdn", QString("Title=Geschenke\r\nVisible=0\r\nAlarm=1\r\n"
                               "AlarmDate=24.12.2025\r\nAlarmTime=07:30\r\nAlarmType=%1\r\n"
                               "AlarmSound=%2\r\n")
                           .arg(type)
                           .arg(sound)
                           .toUtf8());
    return *Start().Notes().front();
  }
  void CheckAt(TDateTime moment) {
    now_ = moment;
    panel_->CheckAlarms();
  }

  const TDateTime kAlarm = EncodeDate(2025, 12, 24) + EncodeTime(7, 30, 0, 0);
  TDateTime now_ = EncodeDate(2025, 12, 24);
  TScopedClock clock_{[this] { return now_; }};
  std::vector<std::string> played_;
};

TEST_F(NotesAlarmTest, TypeZeroShowsTheHiddenNote) {
  TwNote& note = StartWithAlarm(atToFront);
  CheckAt(kAlarm - 1.0 / 86400);
  EXPECT_FALSE(note.isVisible());
  CheckAt(kAlarm + 0.5 / 86400);
  EXPECT_TRUE(note.isVisible());
}

TEST_F(NotesAlarmTest, AnAlarmInThePastAtStartIsNeverShown) {
  TwNote& note = StartWithAlarm(atToFront);
  CheckAt(kAlarm + 1.0 / 24);
  CheckAt(kAlarm + 1.0 / 24 + 1.0 / 86400);
  EXPECT_FALSE(note.isVisible());
}

TEST_F(NotesAlarmTest, TypeOneAsksWithTheTitleInQuotesAndShowsTheNoteOnYes) {
  for (const int answer : {int(mrNo), int(mrYes)}) {
    SCOPED_TRACE(answer);
    questions_.clear();
    TwNote& note = StartWithAlarm(atQuestion);
    {
      TScopedModalAnswer hook(Answer(answer));
      CheckAt(kAlarm);
    }
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].headline, "Alarm wurde aktiviert");
    EXPECT_EQ(questions_[0].text,
              "Die Alarmfunktion für die Notiz \"Geschenke\" wurde aktiviert. Soll die Notiz "
              "angezeigt werden?");
    EXPECT_EQ(note.isVisible(), answer == mrYes);
    Stop();
  }
}

TEST_F(NotesAlarmTest, TypeTwoWithAMissingSoundStillShowsTheNote) {
  TwNote& note = StartWithAlarm(atSound, dir_.filePath("geloescht.wav"));
  CheckAt(kAlarm);
  EXPECT_TRUE(note.isVisible());
  EXPECT_TRUE(played_.empty());
}

TEST_F(NotesAlarmTest, TypeTwoShowsTheNoteAndPlaysItsSound) {
  const QString sound = dir_.filePath("gong.wav");
  QFile(sound).open(QIODevice::WriteOnly);
  TwNote& note = StartWithAlarm(atSound, sound);
  CheckAt(kAlarm + 1.0 / 86400);
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(played_, std::vector<std::string>{sound.toStdString()});
  // The alarm stays on and nothing is saved.
  EXPECT_TRUE(note.Alarm().on);
  EXPECT_FALSE(ParsedNote("1.tdn").visible);
}

}  // namespace
}  // namespace tolvex::test

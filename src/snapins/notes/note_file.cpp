// Composing, parsing, naming, reading and writing note files.
#include "snapins/notes/note_file.h"

#include <QFile>
#include <string>

#include "platform/profile/profile_file.h"
#include "platform/profile/profile_text.h"
#include "platform/regional_settings.h"
#include "shared/date_time_texts.h"
#include "shared/texts.h"

namespace tolvex {

namespace {

constexpr QLatin1StringView kBodyBegin("Bodybegin");
constexpr QLatin1StringView kBodyEnd("Bodyend");

QString TwoDigits(int value) {
  return QString::number(value).rightJustified(2, u'0');
}

// A value that broke its line would turn the rest of it into a line of its
// own: another key, or a body marker.
QString OneLine(QString value) {
  value.replace(u'\r', u' ');
  value.replace(u'\n', u' ');
  return value;
}

QString Decode(const QByteArray& bytes) {
  std::string_view view(bytes.constData(), size_t(bytes.size()));
  if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
  if (platform::profile::IsValidUtf8(view))
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
  const std::string utf8 = platform::profile::Windows1252ToUtf8(view);
  return QString::fromStdString(utf8);
}

// CR LF, a lone CR and a lone LF each end a line; a last line without an end
// counts, an end at the very end adds no empty line.
QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.append(text.mid(start));
  return lines;
}

bool IsMarker(const QString& line, QLatin1StringView marker) {
  return line.compare(marker, Qt::CaseInsensitive) == 0;
}

bool IsTrue(const QString& value) {
  return value == u'1';
}

// The date of `value`; a day that does not exist reads as no date.
TDateTime DateOrZero(const QString& value) {
  try {
    return TextToDate(value);
  } catch (const EConvertError&) {
    return 0;
  }
}

// The time of `value`; a time out of range reads as 00:00.
TDateTime TimeOrMidnight(const QString& value) {
  try {
    return HHMMToTime(value);
  } catch (const EConvertError&) {
    return 0;
  }
}

void ApplyKey(TNoteData& note, const QString& key, const QString& value) {
  const auto is = [&](const char* name) {
    return key.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0;
  };
  if (is("title")) {
    note.title = value;
  } else if (is("left")) {
    note.left = IntOfText(value, 0);
  } else if (is("top")) {
    note.top = IntOfText(value, 0);
  } else if (is("height")) {
    if (const int h = IntOfText(value, kNoteHeight); h > 100) note.height = h;
  } else if (is("width")) {
    if (const int w = IntOfText(value, 190); w > 100) note.width = w;
  } else if (is("stayontop")) {
    note.stayOnTop = IsTrue(value);
  } else if (is("visible")) {
    note.visible = IsTrue(value);
  } else if (is("fontname")) {
    note.look.fontName = value;
  } else if (is("fontsize")) {
    note.look.fontSize = IntOfText(value, 8);
  } else if (is("fontcolor")) {
    note.look.fontColor = IntOfText(value, 0);
  } else if (is("fontstyle")) {
    note.look.fontStyle = IntToFlags(IntOfText(value, 0));
  } else if (is("color")) {
    note.look.color = IntOfText(value, kNoteColor);
  } else if (is("toolbar")) {
    note.toolbar = IsTrue(value);
  } else if (is("task")) {
    note.task.task = IsTrue(value);
  } else if (is("taskdone")) {
    note.task.done = IsTrue(value);
  } else if (is("priority")) {
    note.task.priority = IntOfText(value, npNormal);
  } else if (is("alarm")) {
    note.alarm.on = IsTrue(value);
  } else if (is("alarmdate")) {
    note.alarm.moment = CombineDateTime(DateOrZero(value), note.alarm.moment);
  } else if (is("alarmtime")) {
    note.alarm.moment = CombineDateTime(note.alarm.moment, TimeOrMidnight(value));
  } else if (is("alarmtype")) {
    note.alarm.type = IntOfText(value, atToFront);
  } else if (is("alarmsound")) {
    note.alarm.sound = value;
  } else if (is("alarmschedule")) {
    note.alarm.schedule = IntOfText(value, asOnce);
  } else if (is("alarmdays")) {
    note.alarm.days = TextToWeekdays(value);
  }
}

}  // namespace

QByteArray ComposeNoteFile(const TNoteData& note, TDateTime savedAt) {
  const TDateParts day = DecodeDate(savedAt);
  const TTimeParts time = DecodeTime(savedAt);
  const QString timeSeparator =
      QString::fromStdString(platform::RegionalSettings().Format().timeSeparator);
  QString text;
  const auto line = [&](const QString& content) {
    text += content;
    text += QLatin1StringView("\r\n");
  };
  const auto pair = [&](const char* key, const QString& value) {
    line(QLatin1StringView(key) + u'=' + OneLine(value));
  };
  const auto number = [&](const char* key, int value) { pair(key, QString::number(value)); };
  const auto flag = [&](const char* key, bool value) { pair(key, BoolToDigit(value)); };

  pair("Title", note.title);
  pair("Date", TwoDigits(day.day) + u'.' + TwoDigits(day.month) + u'.' +
                   QString::number(day.year).rightJustified(4, u'0'));
  pair("Time", TwoDigits(time.hour) + timeSeparator + TwoDigits(time.minute));
  number("Left", note.left.value_or(0));
  number("Top", note.top.value_or(0));
  number("Height", note.height);
  number("Width", note.width);
  flag("StayOnTop", note.stayOnTop);
  flag("Visible", note.visible);
  pair("FontName", note.look.fontName);
  number("FontSize", note.look.fontSize);
  number("FontStyle", FlagsToInt(note.look.fontStyle));
  number("FontColor", note.look.fontColor);
  number("Color", note.look.color);
  flag("Toolbar", note.toolbar);
  flag("Task", note.task.task);
  flag("TaskDone", note.task.done);
  number("Priority", note.task.priority);
  flag("Alarm", note.alarm.on);
  pair("AlarmDate", DateToText(note.alarm.moment));
  pair("AlarmTime", TimeToHHMM(note.alarm.moment));
  number("AlarmType", note.alarm.type);
  pair("AlarmSound", note.alarm.sound);
  number("AlarmSchedule", note.alarm.schedule);
  pair("AlarmDays", WeekdaysToText(note.alarm.days));
  line(kBodyBegin);
  for (const QString& body : note.text) line(body);
  line(kBodyEnd);
  return text.toUtf8();
}

TNoteData ParseNoteFile(const QByteArray& bytes) {
  const QStringList lines = SplitLines(Decode(bytes));
  // The body ends at its last "Bodyend" line, so that a line of the text
  // that reads "Bodyend" or "Bodybegin" stays text and nothing after it is
  // lost.
  qsizetype lastEnd = -1;
  for (qsizetype i = lines.size() - 1; i >= 0; --i) {
    if (IsMarker(lines[i], kBodyEnd)) {
      lastEnd = i;
      break;
    }
  }
  TNoteData note;
  bool inBody = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& current = lines[i];
    if (inBody) {
      if (i == lastEnd) {
        inBody = false;
      } else {
        note.text.append(current);
      }
      continue;
    }
    const qsizetype equals = current.indexOf(u'=');
    if (equals >= 0) {
      ApplyKey(note, current.left(equals), current.mid(equals + 1));
    } else if (IsMarker(current, kBodyBegin)) {
      inBody = true;
    }
  }
  return note;
}

QString NextNoteFileName(const QString& folder) {
  const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
  for (int n = 1;; ++n) {
    QString name = base + QString::number(n) + QLatin1StringView(".tdn");
    if (!QFile::exists(name)) return name;
  }
}

std::optional<TNoteData> ReadNoteFile(const QString& path) {
  std::string bytes;
  platform::profile::FileStamp stamp;
  if (platform::profile::ReadWholeFile(QFile::encodeName(path).toStdString(),
                                       size_t(kMaxNoteFileSize), bytes,
                                       stamp) != platform::profile::ReadResult::Ok) {
    return std::nullopt;
  }
  return ParseNoteFile(QByteArray::fromStdString(bytes));
}

bool WriteNoteFile(const QString& path, const QByteArray& bytes) {
  return platform::profile::ReplaceFile(QFile::encodeName(path).toStdString(),
                                        std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace tolvex

// Regional settings on Linux. Qt's locale data supplies the names and
// formats, so the result does not depend on which locales the system has
// generated.
#include "platform/linux/linux_regional_settings.h"

#include <QLocale>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tolvex::platform {

namespace {

// One piece of a Qt date or time pattern: a run of one field letter
// ("dd", "MMM") or literal text (quotes removed).
struct PatternPiece {
  QChar letter;  // null for literal text
  int count = 0;
  QString text;
};

bool IsFieldLetter(QChar c) {
  return QStringLiteral("dMyhHmsaApPtz").contains(c);
}

std::vector<PatternPiece> SplitPattern(const QString& pattern) {
  std::vector<PatternPiece> pieces;
  auto literal = [&pieces]() -> QString& {
    if (pieces.empty() || !pieces.back().letter.isNull()) pieces.push_back({});
    return pieces.back().text;
  };
  for (qsizetype i = 0; i < pattern.size();) {
    const QChar c = pattern[i];
    if (c == u'\'') {
      // Quoted text; two quotes stand for one quote character.
      qsizetype j = i + 1;
      if (j < pattern.size() && pattern[j] == u'\'') {
        literal() += u'\'';
        i = j + 1;
        continue;
      }
      while (j < pattern.size()) {
        if (pattern[j] == u'\'') {
          if (j + 1 < pattern.size() && pattern[j + 1] == u'\'') {
            literal() += u'\'';
            j += 2;
            continue;
          }
          break;
        }
        literal() += pattern[j++];
      }
      i = j + 1;
    } else if (IsFieldLetter(c)) {
      qsizetype j = i;
      while (j < pattern.size() && pattern[j] == c) ++j;
      pieces.push_back({c, int(j - i), {}});
      i = j;
    } else {
      literal() += c;
      ++i;
    }
  }
  return pieces;
}

// The literal text between the first two fields of a pattern, without
// surrounding blanks when there is more than blanks ("yyyy. MM. dd." → ".").
std::string SeparatorOf(const QString& pattern, const char* fallback) {
  const std::vector<PatternPiece> pieces = SplitPattern(pattern);
  for (size_t i = 1; i + 1 < pieces.size(); ++i) {
    if (pieces[i].letter.isNull() && !pieces[i - 1].letter.isNull() &&
        !pieces[i + 1].letter.isNull()) {
      const QString trimmed = pieces[i].text.trimmed();
      return (trimmed.isEmpty() ? pieces[i].text : trimmed).toStdString();
    }
  }
  return fallback;
}

// Literal text in the letters of the shared formatting: quoted when it holds
// letters or quote characters, which would otherwise be read as fields.
void AppendLiteral(QString& out, const QString& text) {
  bool plain = true;
  for (QChar c : text) plain = plain && !c.isLetter() && c != u'"' && c != u'\'';
  if (plain) {
    out += text;
  } else {
    const QChar quote = text.contains(u'"') ? u'\'' : u'"';
    out += quote + text + quote;
  }
}

// Qt's short date pattern in the letters of the shared formatting. Years are
// always shown with four digits, as the short date formats of the Windows
// regional settings do; a two-digit year in a date hint is ambiguous.
std::string ShortDateFormatOf(const QString& pattern) {
  QString out;
  for (const PatternPiece& piece : SplitPattern(pattern)) {
    if (piece.letter == u'd') {
      out += QString(std::min(piece.count, 4), u'd');
    } else if (piece.letter == u'M') {
      out += QString(std::min(piece.count, 4), u'm');
    } else if (piece.letter == u'y') {
      out += QStringLiteral("yyyy");
    } else if (piece.letter.isNull()) {
      AppendLiteral(out, piece.text);
    } else {
      AppendLiteral(out, QString(piece.count, piece.letter));
    }
  }
  return out.toStdString();
}

// Abbreviations are shown without a trailing period ("Mo", "Dez"); callers
// that want one put it into their format ("ddd.").
std::string Abbreviation(QString name) {
  while (name.endsWith(u'.')) name.chop(1);
  return name.toStdString();
}

std::string LocaleFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

RegionalFormat RegionalFormatOfLocale(const std::string& localeName) {
  const std::string name = localeName.substr(0, localeName.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return GermanRegionalFormat();
  const QLocale locale(QString::fromStdString(name));
  if (locale.language() == QLocale::C) return GermanRegionalFormat();

  const QString datePattern = locale.dateFormat(QLocale::ShortFormat);
  RegionalFormat format;
  format.dateSeparator = SeparatorOf(datePattern, ".");
  format.timeSeparator = SeparatorOf(locale.timeFormat(QLocale::ShortFormat), ":");
  format.shortDateFormat = ShortDateFormatOf(datePattern);
  for (int i = 0; i < 7; ++i) {
    // Qt counts weekdays from Monday (1) to Sunday (7).
    const int qtDay = i == 0 ? 7 : i;
    format.shortDayNames[i] = Abbreviation(locale.standaloneDayName(qtDay, QLocale::ShortFormat));
    format.longDayNames[i] = locale.standaloneDayName(qtDay, QLocale::LongFormat).toStdString();
  }
  for (int i = 0; i < 12; ++i) {
    format.shortMonthNames[i] =
        Abbreviation(locale.standaloneMonthName(i + 1, QLocale::ShortFormat));
    format.longMonthNames[i] = locale.standaloneMonthName(i + 1, QLocale::LongFormat).toStdString();
  }
  return format;
}

LinuxRegionalSettings::LinuxRegionalSettings()
    : format_(RegionalFormatOfLocale(LocaleFromEnvironment())) {}

}  // namespace tolvex::platform

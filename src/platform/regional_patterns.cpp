// Date and time patterns of the system's locale data ("dd.MM.yyyy", "HH:mm"
// with '' quoting, the letters Qt and Windows share) read for the regional
// settings.
#include "platform/regional_patterns.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace tolvex::platform {

namespace {

// One piece of a date or time pattern: a run of one field letter
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

}  // namespace

// The literal text between the first two fields of a pattern, without
// surrounding blanks when there is more than blanks ("yyyy. MM. dd." → ".").
std::string SeparatorOf(const std::string& patternText, const char* fallback) {
  const QString pattern = QString::fromStdString(patternText);
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

// A short date pattern in the letters of the shared formatting. Years are
// always shown with four digits, as the short date formats of the Windows
// regional settings do; a two-digit year in a date hint is ambiguous.
std::string ShortDateFormatOf(const std::string& patternText) {
  const QString pattern = QString::fromStdString(patternText);
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
std::string Abbreviation(const std::string& text) {
  QString name = QString::fromStdString(text);
  while (name.endsWith(u'.')) name.chop(1);
  return name.toStdString();
}

}  // namespace tolvex::platform

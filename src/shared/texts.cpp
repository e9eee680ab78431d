// Small text helpers.
#include "shared/texts.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace tolvex {

namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

// The integer conversion of the platform the stored files come from.
std::optional<int> ParseInt(QStringView text) {
  bool negative = false;
  if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
    negative = text[0] == u'-';
    text = text.mid(1);
  }
  int base = 10;
  if (text.startsWith(u'$') || text.startsWith(u'x') || text.startsWith(u'X')) {
    base = 16;
    text = text.mid(1);
  } else if (text.startsWith(u"0x") || text.startsWith(u"0X")) {
    base = 16;
    text = text.mid(2);
  }
  if (text.isEmpty()) return std::nullopt;
  // Decimal numbers must fit the integer range; hexadecimal ones may use all
  // 32 bits and wrap into the negative numbers.
  const std::uint64_t limit =
      base == 16 ? 0xFFFFFFFFu : std::uint64_t(std::numeric_limits<int>::max()) + negative;
  std::uint64_t value = 0;
  for (QChar c : text) {
    const int digit = HexDigit(c);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  const std::uint32_t bits = std::uint32_t(value);
  return int(negative ? 0u - bits : bits);
}

}  // namespace

int IntOfText(const QString& text, int fallback) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return ParseInt(QStringView(text).sliced(begin, end - begin)).value_or(fallback);
}

QString FitToLength(const QString& text, int length, QChar fill) {
  if (length <= 0) return {};
  if (text.size() >= length) return text.left(length);
  return text + QString(length - text.size(), fill);
}

QString BoolToDigit(bool value) {
  return value ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace tolvex

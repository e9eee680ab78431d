// Date and time formatting with format letters.
#include "shared/format_date_time.h"

#include "platform/regional_settings.h"

namespace tolvex {

namespace {

class TDateTimeFormatter {
 public:
  TDateTimeFormatter(TDateTime value, const platform::RegionalFormat& regional)
      : date_(DecodeDate(value)),
        time_(DecodeTime(value)),
        weekday_(DayOfWeek(value)),
        regional_(regional) {}

  // `nested` is set while the short date format is expanded, which must not
  // expand itself again.
  void Append(const QString& format, bool nested = false) {
    char16_t lastField = u' ';
    for (qsizetype i = 0; i < format.size();) {
      const QChar c = format[i];
      if (c == u'"' || c == u'\'') {
        // Quoted text runs to the matching quote or to the end.
        qsizetype end = format.indexOf(c, i + 1);
        if (end < 0) end = format.size();
        out_ += QStringView(format).sliced(i + 1, end - i - 1);
        i = end + 1;
        continue;
      }
      char16_t field = c.unicode();
      if (field >= u'a' && field <= u'z') field -= u'a' - u'A';
      if (field < u'A' || field > u'Z') {
        AppendCharacter(c);
        ++i;
        continue;
      }
      if (field == u'M' && lastField == u'H') field = u'N';
      // Every letter counts as the field before an "m", known or not.
      lastField = field;
      if (!QStringView(u"DMYHNS").contains(QChar(field))) {
        out_ += c;
        ++i;
        continue;
      }
      qsizetype count = 1;
      while (i + count < format.size() && format[i + count] == c) ++count;
      AppendField(field, count, nested);
      i += count;
    }
  }

  QString Result() && { return std::move(out_); }

 private:
  void AppendField(char16_t field, qsizetype count, bool nested) {
    switch (field) {
      case u'D':
        if (count <= 2) {
          AppendNumber(date_.day, Digits(count));
        } else if (count == 3) {
          AppendName(regional_.shortDayNames, weekday_ - 1);
        } else if (count == 4) {
          AppendName(regional_.longDayNames, weekday_ - 1);
        } else if (!nested) {
          Append(QString::fromStdString(regional_.shortDateFormat), true);
        }
        return;
      case u'M':
        if (count <= 2) {
          AppendNumber(date_.month, Digits(count));
        } else {
          AppendName(count == 3 ? regional_.shortMonthNames : regional_.longMonthNames,
                     date_.month - 1);
        }
        return;
      case u'Y':
        if (count <= 2) {
          AppendNumber(date_.year % 100, 2);
        } else {
          AppendNumber(date_.year, 4);
        }
        return;
      case u'H':
        AppendNumber(time_.hour, Digits(count));
        return;
      case u'N':
        AppendNumber(time_.minute, Digits(count));
        return;
      case u'S':
        AppendNumber(time_.second, Digits(count));
        return;
    }
  }

  void AppendCharacter(QChar c) {
    if (c == u'/') {
      out_ += QString::fromStdString(regional_.dateSeparator);
    } else if (c == u':') {
      out_ += QString::fromStdString(regional_.timeSeparator);
    } else {
      out_ += c;
    }
  }

  // A single letter shows the number as it is, a longer run with a leading zero.
  static int Digits(qsizetype count) { return count == 1 ? 1 : 2; }

  void AppendNumber(int value, int digits) {
    const QString number = QString::number(value);
    if (number.size() < digits) out_ += QString(digits - number.size(), u'0');
    out_ += number;
  }

  template <size_t N>
  void AppendName(const std::array<std::string, N>& names, int index) {
    // Values outside the date range decode to day 0 and weekday 0.
    if (index >= 0 && size_t(index) < N) out_ += QString::fromStdString(names[index]);
  }

  const TDateParts date_;
  const TTimeParts time_;
  const int weekday_;
  const platform::RegionalFormat& regional_;
  QString out_;
};

}  // namespace

QString FormatDateTime(const QString& format, TDateTime value) {
  TDateTimeFormatter formatter(value, platform::RegionalSettings().Format());
  formatter.Append(format);
  return std::move(formatter).Result();
}

}  // namespace tolvex

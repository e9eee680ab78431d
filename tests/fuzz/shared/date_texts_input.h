// One fuzz input run through every reader of typed or stored date, time,
// number and flag texts, and through the formatting of a format string from
// the configuration file. Shared by the fuzzer and the unit test that replays
// its findings.
//
// Input: byte 0 picks the regional separators, bytes 1 to 8 (when present)
// are a TDateTime, the rest is the text (UTF-8, possibly invalid).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/regional_settings.h"
#include "platform/sim/sim_regional_settings.h"
#include "shared/calendar.h"
#include "shared/date_time_texts.h"
#include "shared/flags.h"
#include "shared/format_date_time.h"
#include "shared/texts.h"

namespace tolvex::fuzz {

inline void RunDateTexts(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  static const char* const kSeparators[] = {".", "/", ". ", "", ":", "..", "\xc3\xa4", "-"};
  platform::RegionalFormat format = platform::GermanRegionalFormat();
  format.dateSeparator = kSeparators[data[0] & 7];
  format.timeSeparator = kSeparators[(data[0] >> 3) & 7];
  platform::SetRegionalSettings(std::make_unique<platform::sim::SimRegionalSettings>(format));
  ++data;
  --size;

  double value = 0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

  IntOfText(text, 0);
  TextToWeekdays(text);
  FitToLength(text, int(size % 16) - 1, u'0');
  try {
    TextToDate(text);
  } catch (const EConvertError&) {
  }
  try {
    HHMMToTime(text);
  } catch (const EConvertError&) {
  }
  FormatDateTime(text, value);
  DateToText(value);
  TimeToHHMM(value);
  WeekNumber(value);
  DayNumber(value);
  EasterSunday(value);
  CombineDateTime(value, value);
}

}  // namespace tolvex::fuzz

// Files carried over from the other system keep their encoding: one table of
// files as bytes, the values read from them and the exact bytes after one
// write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile/profile_engine.h"
#include "profile_test_files.h"

namespace tolvex::platform::profile {
namespace {

// UTF-16 bytes of `text`, little or big endian.
std::string Utf16(std::u16string_view text, bool bigEndian = false) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

const std::string kLeMark = "\xFF\xFE";
const std::string kBeMark = "\xFE\xFF";

struct Read {
  std::string section;
  std::string key;
  std::string value;
};

struct EncodingCase {
  const char* name;
  std::string before;
  std::vector<Read> reads;
  // One write: section, key, value.
  Read write;
  std::string after;
};

class ProfileEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(ProfileEncoding, ReadsEveryLineAndWritesOnlyWhatChanged) {
  const EncodingCase& c = GetParam();
  TestFiles files;
  const std::string path = files.Write("enc.ini", c.before);
  ProfileEngine engine;
  for (const Read& read : c.reads) {
    EXPECT_EQ(engine.ReadString(path, read.section, read.key, "<default>"), read.value)
        << read.section << "/" << read.key;
  }
  ASSERT_TRUE(engine.WriteString(path, c.write.section, c.write.key, c.write.value));
  EXPECT_EQ(files.Read("enc.ini"), c.after);
}

const EncodingCase kEncodingCases[] = {
    {"Utf16LittleEndianNewKey",
     kLeMark + Utf16(u"[Ort]\r\nStadt=Zürich\r\n"),
     {{"Ort", "Stadt", "Zürich"}},
     {"Ort", "Land", "Schweiz"},
     kLeMark + Utf16(u"[Ort]\r\nStadt=Zürich\r\nLand=Schweiz\r\n")},
    {"Utf16LittleEndianChangedValue",
     kLeMark + Utf16(u";Kommentar\r\n[Ort]\r\nStadt=Zürich\r\n[Zeit]\r\nZone=1\r\n"),
     {{"Zeit", "Zone", "1"}},
     {"Ort", "Stadt", "Genève"},
     kLeMark + Utf16(u";Kommentar\r\n[Ort]\r\nStadt=Genève\r\n[Zeit]\r\nZone=1\r\n")},
    {"Utf16WithoutLineBreakGetsCrLf",
     kLeMark + Utf16(u"[S]"),
     {},
     {"S", "k", "v"},
     kLeMark + Utf16(u"[S]\r\nk=v\r\n")},
    {"Utf16BigEndianStaysBigEndian",
     kBeMark + Utf16(u"[S]\r\nk=€\r\n", true),
     {{"S", "k", "€"}},
     {"S", "j", "😀"},
     kBeMark + Utf16(u"[S]\r\nk=€\r\nj=😀\r\n", true)},
    {"Utf16BrokenLineKeptByteForByte",
     kLeMark + Utf16(u"[S]\r\nx=\xD800!\r\n") + "\x41",
     {{"S", "x", "\xEF\xBF\xBD!"}},
     {"S", "k", "v"},
     kLeMark + Utf16(u"[S]\r\nx=\xD800!\r\nk=v\r\n") + "\x41"},
    {"Windows1252KeptNewLineUtf8",
     "[Ort]\r\nStadt=Z\xFCrich\r\n",
     {{"Ort", "Stadt", "Zürich"}},
     {"Ort", "Land", "Schweiz"},
     "[Ort]\r\nStadt=Z\xFCrich\r\nLand=Schweiz\r\n"},
    {"Windows1252ChangedLineBecomesUtf8",
     "[Ort]\nStadt=Z\xFCrich\nFluss=Limmat \x96 Aare\n",
     {{"Ort", "Fluss", "Limmat – Aare"}},
     {"Ort", "Stadt", "Genève"},
     "[Ort]\nStadt=Genève\nFluss=Limmat \x96 Aare\n"},
    {"MixedLinesEachInTheirOwnEncoding",
     "[Ort]\nStadt=Zürich\nAlt=Z\xFCrich\n[Gr\xF6\xDF"
     "e]\nH\xF6he=408\n",
     {{"Ort", "Stadt", "Zürich"}, {"Ort", "Alt", "Zürich"}, {"GRÖßE", "Höhe", "408"}},
     {"Größe", "Fläche", "87,88"},
     "[Ort]\nStadt=Zürich\nAlt=Z\xFCrich\n[Gr\xF6\xDF"
     "e]\nH\xF6he=408\nFläche=87,88\n"},
    {"Utf8WithByteOrderMark",
     "\xEF\xBB\xBF[Ort]\r\nStadt=Zürich\r\n",
     {{"Ort", "Stadt", "Zürich"}},
     {"Ort", "Stadt", "Bern"},
     "\xEF\xBB\xBF[Ort]\r\nStadt=Bern\r\n"},
    {"Utf8WithoutByteOrderMark",
     "[Ort]\nStadt=Zürich\n",
     {{"Ort", "Stadt", "Zürich"}},
     {"Neu", "Stadt", "Köln"},
     "[Ort]\nStadt=Zürich\n[Neu]\nStadt=Köln\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileEncoding, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvex::platform::profile

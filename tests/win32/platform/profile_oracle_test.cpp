// The portable profile engine against the system's own profile functions on
// the same files: what one side writes, the other reads back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/profile.h"
#include "platform/win32/wide_text.h"
#include "win32_test_support.h"

namespace tolvex::platform {
namespace {

using testing::TempFolder;

std::string SystemRead(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& fallback) {
  wchar_t buffer[4096];
  const DWORD length =
      GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(),
                               buffer, 4096, Wide(file).c_str());
  return Utf8(std::wstring_view(buffer, length));
}

// A list of zero-ended names as the system returns them.
std::vector<std::string> Names(const wchar_t* buffer, DWORD length) {
  std::vector<std::string> names;
  for (DWORD at = 0; at < length;) {
    const std::wstring name(buffer + at);
    if (name.empty()) break;
    names.push_back(Utf8(name));
    at += DWORD(name.size()) + 1;
  }
  return names;
}

// The system lists every key line and every header, duplicates too; the
// engine lists each name once, as only the first of them can be read.
std::vector<std::string> FirstOfEach(const std::vector<std::string>& names) {
  std::vector<std::string> first;
  for (const std::string& name : names) {
    const bool known = std::any_of(first.begin(), first.end(), [&](const std::string& other) {
      return CompareStringOrdinal(Wide(name).c_str(), -1, Wide(other).c_str(), -1, TRUE) ==
             CSTR_EQUAL;
    });
    if (!known) first.push_back(name);
  }
  return first;
}

std::vector<std::string> SystemKeys(const std::string& file, const std::string& section) {
  wchar_t buffer[4096];
  const DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), nullptr, L"", buffer, 4096,
                                                Wide(file).c_str());
  return FirstOfEach(Names(buffer, length));
}

std::vector<std::string> SystemSections(const std::string& file) {
  wchar_t buffer[4096];
  const DWORD length = GetPrivateProfileSectionNamesW(buffer, 4096, Wide(file).c_str());
  return FirstOfEach(Names(buffer, length));
}

// What the engine reads differently from the system's functions on
// purpose, where the engine keeps its own rule (profile_document.h).
enum Differs : int { kNothing = 0, kValue = 1, kKeyNames = 2, kSectionNames = 4 };

// A case's name as a test name: its letters and digits.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* c = info.param.name; *c != '\0'; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  }
  return name;
}

struct ReadCase {
  const char* name;
  const char* contents;
  const char* section;
  const char* key;
  int differs = kNothing;
};

// Each file is read by both sides; the values, the key names of the section
// and the section names must agree.
const ReadCase kReadCases[] = {
    {"plain", "[s]\nk=v\n", "s", "k"},
    {"blanks around names and value", "[ s ]\n  k  =  v w  \n", "s", "k"},
    {"names ignore case", "[Sec]\nKey=v\n", "SEC", "kEY"},
    {"double quotes", "[s]\nk=\"v w\"\n", "s", "k"},
    {"single quotes", "[s]\nk='v'\n", "s", "k"},
    {"unclosed quote", "[s]\nk=\"v\n", "s", "k"},
    {"text after the closing quote", "[s]\nk=\"v\" x\n", "s", "k"},
    {"semicolon inside a value", "[s]\nk=v ;x\n", "s", "k"},
    {"comment lines", ";c\n[s]\n;k=no\nk=v\n", "s", "k"},
    {"first of duplicate keys", "[s]\nk=1\nk=2\n", "s", "k"},
    {"key in a duplicate section", "[s]\na=1\n[t]\n[s]\nk=2\n", "s", "k"},
    {"empty value", "[s]\nk=\n", "s", "k"},
    {"line without equals", "[s]\nk\nj=v\n", "s", "k"},
    {"equals in the value", "[s]\nk=a=b\n", "s", "k"},
    {"missing key", "[s]\nj=v\n", "s", "k"},
    {"missing section", "[t]\nk=v\n", "s", "k"},
    {"CRLF lines", "[s]\r\nk=v\r\n", "s", "k"},
    {"no newline at the end", "[s]\nk=v", "s", "k"},
    // Wine's functions ignore a header without "]" and the keys below it;
    // Windows opens the section, and so does the engine.
    {"unclosed header", "[s\nk=v\n", "s", "k", kValue | kKeyNames | kSectionNames},
    {"blank lines and tabs", "\n[s]\n\n\tk\t=\tv\t\n", "s", "k"},
    // A file without byte-order mark is read in the ANSI code page by the
    // system (Windows-1252 here) and line by line as UTF-8 where valid by
    // the engine, which writes UTF-8: they agree on Windows-1252 text only.
    {"Windows-1252 value", "[s]\nk=Gr\xFC\xDF" "e\n", "s", "k"},
    {"UTF-8 value", "[s]\nk=Grüße\n", "s", "k", kValue},
};

class ProfileOracleRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileOracleRead, AgreesWithTheSystem) {
  const ReadCase& c = GetParam();
  TempFolder folder;
  const std::string file = folder.File("read.ini");
  ASSERT_TRUE(testing::WriteFile(file, c.contents));
  for (const char* fallback : {"", "def", "def  "}) {
    const std::string system = SystemRead(file, c.section, c.key, fallback);
    const std::string engine = Profile().ReadString(file, c.section, c.key, fallback);
    if (!(c.differs & kValue)) {
      EXPECT_EQ(engine, system) << c.name << ", fallback \"" << fallback << "\"";
    }
  }
  if (!(c.differs & kKeyNames)) {
    EXPECT_EQ(Profile().ReadKeyNames(file, c.section), SystemKeys(file, c.section)) << c.name;
  }
  if (!(c.differs & kSectionNames)) {
    EXPECT_EQ(Profile().ReadSectionNames(file), SystemSections(file)) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileOracleRead, ::testing::ValuesIn(kReadCases),
                         CaseName<ReadCase>);

struct WriteCase {
  const char* name;
  const char* contents;
  const char* section;
  const char* key;    // null deletes the section
  const char* value;  // null deletes the key
};

const WriteCase kWriteCases[] = {
    {"new file", "", "s", "k", "v"},
    {"new key", "[s]\nj=1\n", "s", "k", "v"},
    {"replaced value", "[s]\nk=old\n", "s", "k", "v"},
    {"new section", "[t]\nj=1\n", "s", "k", "v"},
    {"value with blanks", "[s]\n", "s", "k", " v w "},
    {"deleted key", "[s]\nk=1\nj=2\n", "s", "k", nullptr},
    {"deleted section", "[s]\nk=1\n[t]\nj=2\n", "s", nullptr, nullptr},
    {"duplicate keys", "[s]\nk=1\nj=3\nk=2\n", "s", "j", "v"},
};

// Every key of every section of the file as both sides read it now.
void ExpectSameContents(const std::string& file, const char* name) {
  const std::vector<std::string> sections = SystemSections(file);
  EXPECT_EQ(Profile().ReadSectionNames(file), sections) << name;
  for (const std::string& section : sections) {
    const std::vector<std::string> keys = SystemKeys(file, section);
    EXPECT_EQ(Profile().ReadKeyNames(file, section), keys) << name << " [" << section << "]";
    for (const std::string& key : keys) {
      EXPECT_EQ(Profile().ReadString(file, section, key, "-"), SystemRead(file, section, key, "-"))
          << name << " [" << section << "] " << key;
    }
  }
}

class ProfileOracleWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileOracleWrite, TheSystemReadsWhatTheEngineWrote) {
  const WriteCase& c = GetParam();
  TempFolder folder;
  const std::string file = folder.File("engine.ini");
  if (*c.contents != '\0') {
    ASSERT_TRUE(testing::WriteFile(file, c.contents));
  }
  ASSERT_TRUE(Profile().WriteString(file, c.section,
                                    c.key ? std::optional<std::string_view>(c.key) : std::nullopt,
                                    c.value ? std::optional<std::string_view>(c.value)
                                            : std::nullopt));
  ExpectSameContents(file, c.name);
}

TEST_P(ProfileOracleWrite, TheEngineReadsWhatTheSystemWrote) {
  const WriteCase& c = GetParam();
  TempFolder folder;
  const std::string file = folder.File("system.ini");
  if (*c.contents != '\0') {
    ASSERT_TRUE(testing::WriteFile(file, c.contents));
  }
  const std::wstring key = c.key ? Wide(c.key) : std::wstring();
  const std::wstring value = c.value ? Wide(c.value) : std::wstring();
  ASSERT_TRUE(WritePrivateProfileStringW(Wide(c.section).c_str(), c.key ? key.c_str() : nullptr,
                                         c.value ? value.c_str() : nullptr,
                                         Wide(file).c_str()));
  // The system keeps written files in a cache; this writes it out.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, Wide(file).c_str());
  ExpectSameContents(file, c.name);
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileOracleWrite, ::testing::ValuesIn(kWriteCases),
                         CaseName<WriteCase>);

}  // namespace
}  // namespace tolvex::platform

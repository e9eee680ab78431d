// Parsing, look-up, update and writing of one private-profile file.
#include "platform/profile/profile_document.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "platform/profile/profile_text.h"

namespace tolvex::platform::profile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Sections with more lines than this find their keys through an index.
constexpr std::size_t kIndexedLines = 16;

// Names and values live on one line: a line break would split the file's
// structure, and whatever follows a NUL is not part of the text.
std::string OneLine(std::string_view text) {
  std::string out(text.substr(0, std::min(text.find('\0'), text.size())));
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return out;
}

bool StorableName(std::string_view name) {
  return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
         IsValidUtf8(name);
}

// A section name ends at the first "]".
bool StorableSection(std::string_view section) {
  return section.find(']') == std::string_view::npos && StorableName(section);
}

bool StorableKey(std::string_view key) {
  return !key.empty() && key.front() != '[' && key.front() != ';' &&
         key.find('=') == std::string_view::npos && StorableName(key);
}

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument document;
  document.text_.reserve(bytes.size());
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    document.byteOrderMark_ = true;
    document.ParseBytes(bytes.substr(kByteOrderMark.size()));
  } else if (bytes.substr(0, 2) == kUtf16LeMark || bytes.substr(0, 2) == kUtf16BeMark) {
    // A Unicode file of the other system stays one: its own reader takes
    // nothing else for Unicode.
    document.encoding_ = bytes[0] == '\xFF' ? Encoding::Utf16Le : Encoding::Utf16Be;
    document.newLineEnding_ = Ending::CrLf;
    document.ParseUtf16(bytes.substr(2));
  } else {
    document.ParseBytes(bytes);
  }
  document.RebuildIndex();
  return document;
}

template <typename Unit, typename Add>
void ProfileDocument::SplitLines(std::size_t count, Unit unit, Add add) {
  bool endingSeen = false;
  size_t begin = 0;
  while (begin < count) {
    size_t stop = begin;
    while (stop < count && unit(stop) != '\r' && unit(stop) != '\n') ++stop;
    Ending ending = Ending::None;
    size_t next = count;
    if (stop < count) {
      if (unit(stop) == '\n') {
        ending = Ending::Lf, next = stop + 1;
      } else if (stop + 1 < count && unit(stop + 1) == '\n') {
        ending = Ending::CrLf, next = stop + 2;
      } else {
        ending = Ending::Cr, next = stop + 1;
      }
      if (!endingSeen) newLineEnding_ = ending, endingSeen = true;
    }
    add(begin, stop, ending);
    begin = next;
  }
}

void ProfileDocument::ParseBytes(std::string_view bytes) {
  SplitLines(
      bytes.size(), [&](size_t i) { return bytes[i]; },
      [&](size_t begin, size_t end, Ending ending) {
        const std::string_view line = bytes.substr(begin, end - begin);
        // Lines of older installations (Windows-1252) may stand beside UTF-8 ones.
        if (IsValidUtf8(line)) {
          AddLine(line, ending);
        } else {
          AddLine(Windows1252ToUtf8(line), ending, line);
        }
      });
}

void ProfileDocument::ParseUtf16(std::string_view bytes) {
  const bool bigEndian = encoding_ == Encoding::Utf16Be;
  const size_t units = bytes.size() / 2;
  trailing_ = std::string(bytes.substr(units * 2));
  const auto unit = [&](size_t u) {
    const auto first = static_cast<unsigned char>(bytes[2 * u]);
    const auto second = static_cast<unsigned char>(bytes[2 * u + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  SplitLines(units, unit, [&](size_t begin, size_t end, Ending ending) {
    const std::string_view line = bytes.substr(2 * begin, 2 * (end - begin));
    const std::string text = Utf16ToUtf8(line, bigEndian);
    if (Utf8ToUtf16(text, bigEndian) == line) {
      AddLine(text, ending);
    } else {
      AddLine(text, ending, line);
    }
  });
}

ProfileDocument::Line ProfileDocument::MakeLine(std::string_view text) {
  text = text.substr(0, std::numeric_limits<std::uint32_t>::max());
  Line line;
  line.start = text_.size();
  line.length = static_cast<std::uint32_t>(text.size());
  text_ += text;
  const size_t nul = text.find('\0');
  line.end = static_cast<std::uint32_t>(nul == std::string_view::npos ? text.size() : nul);
  const std::string_view meaningful = text.substr(0, line.end);
  size_t first = 0;
  while (first < meaningful.size() && IsBlank(meaningful[first])) ++first;
  if (first == meaningful.size()) return line;
  if (meaningful[first] == ';') {
    line.kind = Kind::Comment;
    return line;
  }
  if (meaningful[first] == '[') {
    // The name ends at the first "]", or with the line when there is none.
    const size_t close = meaningful.find(']', first + 1);
    line.kind = Kind::Header;
    line.split = static_cast<std::uint32_t>(close == std::string_view::npos ? line.end : close);
    return line;
  }
  const size_t equals = meaningful.find('=');
  if (equals != std::string_view::npos && !TrimBlanks(meaningful.substr(0, equals)).empty()) {
    line.kind = Kind::Entry;
    line.split = static_cast<std::uint32_t>(equals);
  }
  return line;
}

void ProfileDocument::AddLine(std::string_view text, Ending ending, std::string_view raw) {
  Line line = MakeLine(text);
  line.ending = ending;
  if (!raw.empty()) {
    line.rawStart = raw_.size();
    line.rawLength = static_cast<std::uint32_t>(raw.size());
    line.hasRaw = true;
    raw_ += raw;
  }
  if (line.kind == Kind::Header) sections_.emplace_back();
  sections_.back().lines.push_back(line);
}

std::string_view ProfileDocument::Text(const Line& line) const {
  return std::string_view(text_).substr(line.start, line.length);
}

std::string_view ProfileDocument::NameOf(const Line& line) const {
  const std::string_view text = Text(line);
  if (line.kind == Kind::Header) {
    const size_t open = text.find('[');
    return TrimBlanks(text.substr(open + 1, line.split - open - 1));
  }
  return TrimBlanks(text.substr(0, line.split));
}

std::string_view ProfileDocument::ValueOf(const Line& line) const {
  return TrimBlanks(Text(line).substr(line.split + 1, line.end - line.split - 1));
}

void ProfileDocument::RebuildIndex() {
  index_.clear();
  for (size_t i = 1; i < sections_.size(); ++i) {
    index_.emplace(FoldCase(NameOf(sections_[i].lines.front())), i);
  }
}

long ProfileDocument::FindSection(std::string_view name) const {
  const auto found = index_.find(FoldCase(TrimBlanks(name)));
  return found == index_.end() ? -1 : static_cast<long>(found->second);
}

long ProfileDocument::FindEntry(const Section& section, std::string_view key) const {
  key = TrimBlanks(key);
  if (section.lines.size() > kIndexedLines) {
    if (!section.indexed) {
      section.keys.clear();
      for (size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if (line.kind == Kind::Entry) {
          section.keys.emplace(FoldCase(NameOf(line)), static_cast<std::uint32_t>(i));
        }
      }
      section.indexed = true;
    }
    const auto found = section.keys.find(FoldCase(key));
    return found == section.keys.end() ? -1 : static_cast<long>(found->second);
  }
  for (size_t i = 0; i < section.lines.size(); ++i) {
    const Line& line = section.lines[i];
    if (line.kind == Kind::Entry && EqualsIgnoringCase(NameOf(line), key)) {
      return static_cast<long>(i);
    }
  }
  return -1;
}

std::optional<std::string_view> ProfileDocument::Find(std::string_view section,
                                                      std::string_view key) const {
  const long s = FindSection(section);
  if (s < 0) return std::nullopt;
  const long e = FindEntry(sections_[s], key);
  if (e < 0) return std::nullopt;
  return ValueOf(sections_[s].lines[e]);
}

std::vector<std::string> ProfileDocument::SectionNames() const {
  std::vector<std::string> names;
  for (size_t i = 1; i < sections_.size(); ++i) {
    const std::string_view name = NameOf(sections_[i].lines.front());
    const auto first = index_.find(FoldCase(name));
    if (first != index_.end() && first->second == i) names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const long s = FindSection(section);
  if (s < 0) return names;
  std::unordered_set<std::string> seen;
  for (const Line& line : sections_[s].lines) {
    if (line.kind != Kind::Entry) continue;
    const std::string_view name = NameOf(line);
    if (seen.insert(FoldCase(name)).second) names.emplace_back(name);
  }
  return names;
}

void ProfileDocument::EndLastLine() {
  for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
    if (section->lines.empty()) continue;
    Line& last = section->lines.back();
    if (last.ending == Ending::None) last.ending = newLineEnding_;
    return;
  }
}

ProfileDocument::SetResult ProfileDocument::Set(std::string_view section, std::string_view key,
                                                std::string_view value) {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (!StorableSection(sectionName) || !StorableKey(keyName) || !IsValidUtf8(value)) {
    return SetResult::Refused;
  }
  const std::string text = OneLine(value);
  long s = FindSection(sectionName);
  if (s < 0) {
    EndLastLine();
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) about "[" + std::string.
    std::string header = "[";
    header.append(sectionName).append("]");
    AddLine(header, newLineEnding_);
    s = static_cast<long>(sections_.size() - 1);
    index_.emplace(FoldCase(sectionName), s);
    AddLine(std::string(keyName) + "=" + text, newLineEnding_);
    return SetResult::Changed;
  }
  Section& target = sections_[s];
  const long e = FindEntry(target, keyName);
  if (e >= 0) {
    Line& line = target.lines[e];
    if (ValueOf(line) == TrimBlanks(text)) return SetResult::Unchanged;
    // The key keeps its spelling and spacing; only the value changes.
    const std::string changed = std::string(Text(line).substr(0, line.split + 1)) + text;
    const Ending ending = line.ending;
    line = MakeLine(changed);
    line.ending = ending;
    return SetResult::Changed;
  }
  size_t after = target.lines.size();
  while (after > 1 && TrimBlanks(Text(target.lines[after - 1])).empty()) --after;
  Line& previous = target.lines[after - 1];
  if (previous.ending == Ending::None) previous.ending = newLineEnding_;
  Line line = MakeLine(std::string(keyName) + "=" + text);
  line.ending = newLineEnding_;
  // Only blank lines follow, so no entry's index moves.
  target.lines.insert(target.lines.begin() + static_cast<long>(after), line);
  if (target.indexed) target.keys.emplace(FoldCase(keyName), static_cast<std::uint32_t>(after));
  return SetResult::Changed;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
  const long s = FindSection(section);
  if (s < 0) return false;
  Section& target = sections_[s];
  key = TrimBlanks(key);
  const auto first =
      std::remove_if(target.lines.begin(), target.lines.end(), [&](const Line& line) {
        return line.kind == Kind::Entry && EqualsIgnoringCase(NameOf(line), key);
      });
  if (first == target.lines.end()) return false;
  target.lines.erase(first, target.lines.end());
  target.keys.clear();
  target.indexed = false;
  return true;
}

bool ProfileDocument::DeleteSection(std::string_view section) {
  if (FindSection(section) < 0) return false;
  const std::string folded = FoldCase(TrimBlanks(section));
  std::vector<Section> kept;
  kept.reserve(sections_.size());
  for (size_t i = 0; i < sections_.size(); ++i) {
    Section& current = sections_[i];
    if (i == 0 || FoldCase(NameOf(current.lines.front())) != folded) {
      kept.push_back(std::move(current));
      continue;
    }
    // The comments stay where they stood, now below the section before.
    for (const Line& line : current.lines) {
      if (line.kind == Kind::Comment) kept.back().lines.push_back(line);
    }
  }
  sections_ = std::move(kept);
  RebuildIndex();
  return true;
}

std::string ProfileDocument::Encode(std::string_view text) const {
  if (encoding_ == Encoding::Bytes) return std::string(text);
  return Utf8ToUtf16(text, encoding_ == Encoding::Utf16Be);
}

std::string ProfileDocument::Serialize() const {
  const bool utf16 = encoding_ != Encoding::Bytes;
  const std::string lf = Encode("\n");
  const std::string crLf = Encode("\r\n");
  const std::string cr = Encode("\r");
  std::string out;
  out.reserve((text_.size() + 64) * (utf16 ? 2 : 1));
  if (encoding_ == Encoding::Utf16Le) out += kUtf16LeMark;
  if (encoding_ == Encoding::Utf16Be) out += kUtf16BeMark;
  if (byteOrderMark_) out += kByteOrderMark;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      if (line.hasRaw) {
        out += std::string_view(raw_).substr(line.rawStart, line.rawLength);
      } else if (utf16) {
        out += Encode(Text(line));
      } else {
        out += Text(line);
      }
      switch (line.ending) {
        case Ending::None:
          break;
        case Ending::Lf:
          out += lf;
          break;
        case Ending::CrLf:
          out += crLf;
          break;
        case Ending::Cr:
          out += cr;
          break;
      }
    }
  }
  out += trailing_;
  return out;
}

}  // namespace tolvex::platform::profile

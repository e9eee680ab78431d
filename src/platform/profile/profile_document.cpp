// Parsing, look-up, update and writing of one private-profile file.
#include "platform/profile/profile_document.h"

#include <algorithm>
#include <limits>

#include "platform/profile/profile_text.h"

namespace tolvex::platform::profile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

bool StorableKey(std::string_view key) {
  return !key.empty() && key.front() != '[' && key.front() != ';' &&
         key.find('=') == std::string_view::npos && StorableName(key);
}

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument document;
  std::string text;
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    document.byteOrderMark_ = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  if (!document.byteOrderMark_ &&
      (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
    // A Unicode file of the other system; it is written back as UTF-8 with
    // a byte-order mark, so it stays marked as Unicode.
    document.byteOrderMark_ = true;
    text = Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
  } else {
    text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
  }
  document.text_.reserve(text.size());
  bool endingSeen = false;
  size_t begin = 0;
  while (begin < text.size()) {
    const size_t stop = text.find_first_of("\r\n", begin);
    Ending ending = Ending::None;
    size_t next = text.size();
    if (stop != std::string::npos) {
      if (text[stop] == '\n') {
        ending = Ending::Lf, next = stop + 1;
      } else if (stop + 1 < text.size() && text[stop + 1] == '\n') {
        ending = Ending::CrLf, next = stop + 2;
      } else {
        ending = Ending::Cr, next = stop + 1;
      }
      if (!endingSeen) document.newLineEnding_ = ending, endingSeen = true;
    }
    const size_t lineEnd = stop == std::string::npos ? text.size() : stop;
    document.AddLine(std::string_view(text).substr(begin, lineEnd - begin), ending);
    begin = next;
  }
  document.RebuildIndex();
  return document;
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
  if (first == meaningful.size() || meaningful[first] == ';') return line;
  if (meaningful[first] == '[') {
    // A header without its closing bracket is ignored, as the platform does.
    const size_t close = meaningful.rfind(']');
    if (close != std::string_view::npos && close > first) {
      line.kind = Kind::Header;
      line.split = static_cast<std::uint32_t>(close);
    }
    return line;
  }
  const size_t equals = meaningful.find('=');
  if (equals != std::string_view::npos && !TrimBlanks(meaningful.substr(0, equals)).empty()) {
    line.kind = Kind::Entry;
    line.split = static_cast<std::uint32_t>(equals);
  }
  return line;
}

void ProfileDocument::AddLine(std::string_view text, Ending ending) {
  Line line = MakeLine(text);
  line.ending = ending;
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
  for (const Line& line : sections_[s].lines) {
    if (line.kind != Kind::Entry) continue;
    const std::string_view name = NameOf(line);
    const bool seen = std::any_of(names.begin(), names.end(), [&](const std::string& other) {
      return EqualsIgnoringCase(other, name);
    });
    if (!seen) names.emplace_back(name);
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

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (!StorableName(sectionName) || !StorableKey(keyName) || !IsValidUtf8(value)) return false;
  long s = FindSection(sectionName);
  if (s < 0) {
    EndLastLine();
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) about "[" + std::string.
    std::string header = "[";
    header.append(sectionName).append("]");
    AddLine(header, newLineEnding_);
    s = static_cast<long>(sections_.size() - 1);
    index_.emplace(FoldCase(sectionName), s);
    AddLine(std::string(keyName) + "=" + OneLine(value), newLineEnding_);
    return true;
  }
  Section& target = sections_[s];
  const long e = FindEntry(target, keyName);
  if (e >= 0) {
    Line& line = target.lines[e];
    // The key keeps its spelling and spacing; only the value changes.
    const std::string text = std::string(Text(line).substr(0, line.split + 1)) + OneLine(value);
    const Ending ending = line.ending;
    line = MakeLine(text);
    line.ending = ending;
    return true;
  }
  size_t after = target.lines.size();
  while (after > 1 && TrimBlanks(Text(target.lines[after - 1])).empty()) --after;
  Line& previous = target.lines[after - 1];
  if (previous.ending == Ending::None) previous.ending = newLineEnding_;
  Line line = MakeLine(std::string(keyName) + "=" + OneLine(value));
  line.ending = newLineEnding_;
  target.lines.insert(target.lines.begin() + static_cast<long>(after), line);
  return true;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
  const long s = FindSection(section);
  if (s < 0) return false;
  auto& lines = sections_[s].lines;
  bool removed = false;
  for (long e = FindEntry(sections_[s], key); e >= 0; e = FindEntry(sections_[s], key)) {
    lines.erase(lines.begin() + e);
    removed = true;
  }
  return removed;
}

bool ProfileDocument::DeleteSection(std::string_view section) {
  const std::string folded = FoldCase(TrimBlanks(section));
  const auto first = std::remove_if(sections_.begin() + 1, sections_.end(), [&](const Section& s) {
    return FoldCase(NameOf(s.lines.front())) == folded;
  });
  if (first == sections_.end()) return false;
  sections_.erase(first, sections_.end());
  RebuildIndex();
  return true;
}

std::string ProfileDocument::Serialize() const {
  std::string out;
  out.reserve(text_.size() + 64);
  if (byteOrderMark_) out += kByteOrderMark;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      out += Text(line);
      switch (line.ending) {
        case Ending::None:
          break;
        case Ending::Lf:
          out += '\n';
          break;
        case Ending::CrLf:
          out += "\r\n";
          break;
        case Ending::Cr:
          out += '\r';
          break;
      }
    }
  }
  return out;
}

}  // namespace tolvex::platform::profile

// One private-profile file in memory, with the look-up and update rules of the
// platform's INI functions:
// - section and key names are matched without regard to case and blanks
//   around them; the first of duplicate sections, and of duplicate keys in a
//   section, wins;
// - a section name ends at the first "]"; a header without one still opens a
//   section, named by the rest of its line;
// - lines without "=" and ";" comment lines are kept but never match; text
//   after a NUL byte on a line is ignored;
// - CR LF, LF and a lone CR all end a line; every line keeps its own ending
//   and new lines get the ending of the file's first line (LF in a new file,
//   CR LF in a UTF-16 file);
// - a new key goes after the last non-blank line of its section, a new
//   section to the end of the file;
// - deleting a key removes it (and its duplicates) from the first section of
//   that name; deleting a section removes every section of that name, its
//   header, keys and blank lines, but keeps the comment lines inside it;
// - the encoding is kept: a UTF-16 file (by its byte-order mark) stays UTF-16
//   in the same byte order; in any other file each line on its own is UTF-8
//   when valid, else Windows-1252, and new or changed lines are written as
//   UTF-8;
// - lines that are not changed are written back byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tolvex::platform::profile {

class ProfileDocument {
 public:
  enum class SetResult : std::uint8_t { Refused, Unchanged, Changed };

  // Parses the bytes of a file (see the encoding rules above).
  static ProfileDocument Parse(std::string_view bytes);

  // The stored value of key in section with the blanks around it removed, or
  // nothing when the section or key is missing. Quotes are left alone.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // Names of the sections and of the keys of one section, first of duplicates only.
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Sets a value, written verbatim except that line breaks inside become
  // blanks and text after a NUL is dropped: neither can be kept on one line.
  // A value that reads back as the stored one already does leaves the line
  // alone (Unchanged). Refuses what could not be read back as written: text
  // that is not UTF-8, a section name with "]", a line break or NUL, a key
  // name that is empty, holds "=", a line break or NUL, or begins with "["
  // or ";".
  SetResult Set(std::string_view section, std::string_view key, std::string_view value);
  // Each returns whether anything was removed.
  bool DeleteKey(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

  // The file's bytes, in the file's encoding and with its byte-order mark.
  std::string Serialize() const;

 private:
  enum class Kind : std::uint8_t { Other, Comment, Header, Entry };
  enum class Ending : std::uint8_t { None, Lf, CrLf, Cr };
  enum class Encoding : std::uint8_t { Bytes, Utf16Le, Utf16Be };
  struct Line {
    std::size_t start = 0;  // into text_
    std::uint32_t length = 0;
    std::uint32_t split = 0;  // Entry: offset of the "="; Header: end of the name
    std::uint32_t end = 0;    // offset of the first NUL byte, else length
    // The line's bytes in raw_ while it is unchanged and its text would not
    // encode back to them (Windows-1252, broken UTF-16).
    std::size_t rawStart = 0;
    std::uint32_t rawLength = 0;
    bool hasRaw = false;
    Kind kind = Kind::Other;
    Ending ending = Ending::None;
  };
  struct Section {
    std::vector<Line> lines;  // lines[0] is the header, except in the preamble
    // Folded key name -> index of its first entry line, for large sections;
    // built on the first look-up.
    mutable std::unordered_map<std::string, std::uint32_t> keys;
    mutable bool indexed = false;
  };

  void ParseBytes(std::string_view bytes);
  void ParseUtf16(std::string_view bytes);
  // Splits `count` units (bytes or UTF-16 units, read through `unit`) at
  // CR LF, LF and a lone CR, calls add(begin, end, ending) for each line and
  // takes the first ending for new lines.
  template <typename Unit, typename Add>
  void SplitLines(std::size_t count, Unit unit, Add add);
  std::string_view Text(const Line& line) const;
  std::string_view NameOf(const Line& line) const;
  std::string_view ValueOf(const Line& line) const;
  // Stores the text of a line and classifies it.
  Line MakeLine(std::string_view text);
  void AddLine(std::string_view text, Ending ending, std::string_view raw = {});
  // Index into sections_ of the first section named `name`, or -1.
  long FindSection(std::string_view name) const;
  long FindEntry(const Section& section, std::string_view key) const;
  void RebuildIndex();
  // Gives the file's last line an ending before a line is appended after it.
  void EndLastLine();
  std::string Encode(std::string_view text) const;

  std::string text_;
  std::string raw_;
  // sections_[0] holds the lines before the first header.
  std::vector<Section> sections_{Section{}};
  std::unordered_map<std::string, std::size_t> index_;  // folded name -> first section
  Ending newLineEnding_ = Ending::Lf;
  Encoding encoding_ = Encoding::Bytes;
  bool byteOrderMark_ = false;  // UTF-8 byte-order mark
  std::string trailing_;        // odd last byte of a UTF-16 file
};

}  // namespace tolvex::platform::profile

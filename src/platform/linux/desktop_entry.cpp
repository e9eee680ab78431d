// Desktop entry files.
#include "platform/linux/desktop_entry.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstdlib>

namespace tolvex::platform {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The escapes every string value may carry.
std::string Unescape(std::string_view value) {
  std::string result;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      result += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        result += ' ';
        break;
      case 'n':
        result += '\n';
        break;
      case 't':
        result += '\t';
        break;
      case 'r':
        result += '\r';
        break;
      case '\\':
        result += '\\';
        break;
      default:  // kept for the Exec line's own quoting rules
        result += '\\';
        result += value[i];
    }
  }
  return result;
}

// Splits an Exec line: blanks separate, double quotes group, and inside
// them a backslash takes the next character literally.
std::optional<std::vector<std::string>> SplitExec(std::string_view line) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else if (c == '\\' && i + 1 < line.size()) {
        current += line[++i];
      } else {
        current += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else if (c == '"') {
      quoted = true;
      inArgument = true;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (quoted) return std::nullopt;
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

// A desktop entry larger than this is not read further.
constexpr qint64 kMaxDesktopEntry = 64 * 1024;

// The locale suffixes of `locale` from the best match on: lang_COUNTRY@MODIFIER,
// lang_COUNTRY, lang@MODIFIER, lang (empty where the locale has no such
// part). The encoding (".UTF-8") plays no part.
std::array<std::string, 4> LocaleSuffixes(std::string_view locale) {
  const size_t at = locale.find('@');
  const std::string_view modifier =
      at == std::string_view::npos ? std::string_view() : locale.substr(at + 1);
  std::string_view rest = locale.substr(0, at);
  rest = rest.substr(0, rest.find('.'));
  const size_t underscore = rest.find('_');
  const std::string_view lang = rest.substr(0, underscore);
  const std::string_view country =
      underscore == std::string_view::npos ? std::string_view() : rest.substr(underscore + 1);
  std::array<std::string, 4> suffixes;
  if (lang.empty() || lang == "C" || lang == "POSIX") return suffixes;
  const std::string langCountry = country.empty() ? std::string() : std::string(lang) + "_" +
                                                                        std::string(country);
  const auto withModifier = [&](const std::string& base) {
    return base.empty() || modifier.empty() ? std::string() : base + "@" + std::string(modifier);
  };
  suffixes[0] = withModifier(langCountry);
  suffixes[1] = langCountry;
  suffixes[2] = withModifier(std::string(lang));
  suffixes[3] = std::string(lang);
  return suffixes;
}

// How well the key "Name[suffix]" (or "Name" for an empty suffix) fits:
// 0 best, 4 the plain key, -1 not at all.
int NameRank(std::string_view key, const std::array<std::string, 4>& suffixes) {
  if (key == "Name") return 4;
  if (key.size() < 7 || key.substr(0, 5) != "Name[" || key.back() != ']') return -1;
  const std::string_view suffix = key.substr(5, key.size() - 6);
  for (int rank = 0; rank < 4; ++rank) {
    if (!suffixes[rank].empty() && suffix == suffixes[rank]) return rank;
  }
  return -1;
}

bool IsFileCode(char code) {
  return code == 'f' || code == 'F' || code == 'u' || code == 'U';
}

}  // namespace

DesktopEntry ParseDesktopEntry(std::string_view contents, std::string_view locale) {
  DesktopEntry entry;
  const std::array<std::string, 4> suffixes = LocaleSuffixes(locale);
  int nameRank = 5;
  bool inGroup = false;
  bool seen[5] = {};
  while (!contents.empty()) {
    const size_t end = contents.find('\n');
    const std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inGroup = line == "[Desktop Entry]";
      continue;
    }
    const size_t equals = line.find('=');
    if (!inGroup || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    const struct {
      std::string_view key;
      std::string* field;
    } keys[] = {{"Type", &entry.type},
                {"Exec", &entry.exec},
                {"Path", &entry.path},
                {"URL", &entry.url},
                {"Icon", &entry.icon}};
    for (size_t k = 0; k < std::size(keys); ++k) {
      if (key == keys[k].key && !seen[k]) {
        *keys[k].field = Unescape(value);
        seen[k] = true;
      }
    }
    if (key == "Terminal") entry.terminal = value == "true";
    const int rank = NameRank(key, suffixes);
    if (rank >= 0 && rank < nameRank) {
      entry.name = Unescape(value);
      nameRank = rank;
    }
  }
  return entry;
}

std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path, std::string_view locale) {
  QFile file(QString::fromStdString(path));
  // Only plain files: reading a pipe or a device could wait for ever.
  if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::string contents(kMaxDesktopEntry, '\0');
  const qint64 read = file.read(contents.data(), kMaxDesktopEntry);
  if (read < 0) return std::nullopt;
  contents.resize(static_cast<size_t>(read));
  return ParseDesktopEntry(contents, locale);
}

bool IsDesktopEntryFile(std::string_view file) {
  static constexpr std::string_view kSuffix = ".desktop";
  return file.size() > kSuffix.size() && file.ends_with(kSuffix);
}

std::string DesktopEntryName(const std::string& file) {
  if (!IsDesktopEntryFile(file)) return {};
  const auto entry = ReadDesktopEntry(file, MessagesLocale());
  return entry ? entry->name : std::string();
}

std::string MessagesLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

std::optional<std::vector<std::string>> ExecArguments(const DesktopEntry& entry,
                                                      const std::vector<std::string>& files,
                                                      const std::string& entryFile) {
  const auto split = SplitExec(entry.exec);
  if (!split || split->empty()) return std::nullopt;
  std::vector<std::string> arguments;
  bool hadFileCode = false;
  for (const std::string& argument : *split) {
    // Codes that stand for whole arguments.
    if (argument.size() == 2 && argument[0] == '%') {
      const char code = argument[1];
      hadFileCode = hadFileCode || IsFileCode(code);
      if (code == 'F' || code == 'U') {
        arguments.insert(arguments.end(), files.begin(), files.end());
        continue;
      }
      if ((code == 'f' || code == 'u') && !files.empty()) {
        arguments.push_back(files.front());
        continue;
      }
      if (code == 'i' && !entry.icon.empty()) {
        arguments.push_back("--icon");
        arguments.push_back(entry.icon);
        continue;
      }
      if (code != '%' && code != 'c' && code != 'k') continue;
    }
    std::string expanded;
    for (size_t i = 0; i < argument.size(); ++i) {
      if (argument[i] != '%' || i + 1 == argument.size()) {
        expanded += argument[i];
        continue;
      }
      const char code = argument[++i];
      hadFileCode = hadFileCode || IsFileCode(code);
      if (code == '%') expanded += '%';
      if (code == 'c') expanded += entry.name;
      if (code == 'k') expanded += entryFile;
      if (IsFileCode(code) && !files.empty()) expanded += files.front();
    }
    arguments.push_back(std::move(expanded));
  }
  if (!hadFileCode) arguments.insert(arguments.end(), files.begin(), files.end());
  if (arguments.empty() || arguments.front().empty()) return std::nullopt;
  return arguments;
}

}  // namespace tolvex::platform

// Desktop entry files.
#include "platform/linux/desktop_entry.h"

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

bool IsFileCode(char code) {
  return code == 'f' || code == 'F' || code == 'u' || code == 'U';
}

}  // namespace

DesktopEntry ParseDesktopEntry(std::string_view contents) {
  DesktopEntry entry;
  bool inGroup = false;
  bool seen[6] = {};
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
    } keys[] = {{"Type", &entry.type}, {"Exec", &entry.exec}, {"Path", &entry.path},
                {"URL", &entry.url},   {"Icon", &entry.icon}, {"Name", &entry.name}};
    for (size_t k = 0; k < std::size(keys); ++k) {
      if (key == keys[k].key && !seen[k]) {
        *keys[k].field = Unescape(value);
        seen[k] = true;
      }
    }
    if (key == "Terminal") entry.terminal = value == "true";
  }
  return entry;
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

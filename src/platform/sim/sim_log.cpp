// Appends one tab-separated line per simulated call to $TOLVEX_SIM_LOG.
#include "platform/sim/sim_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace tolvex::platform::sim {

namespace {

// Tabs and line breaks inside an argument would break the line format.
void AppendEscaped(std::string& line, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\t':
        line += "\\t";
        break;
      case '\n':
        line += "\\n";
        break;
      case '\r':
        line += "\\r";
        break;
      case '\\':
        line += "\\\\";
        break;
      default:
        line += c;
    }
  }
}

}  // namespace

void Log(std::string_view service, std::string_view operation,
         std::initializer_list<std::string_view> arguments) {
  const char* path = std::getenv("TOLVEX_SIM_LOG");
  if (path == nullptr || *path == '\0') return;
  std::string line;
  AppendEscaped(line, service);
  line += '\t';
  AppendEscaped(line, operation);
  for (std::string_view argument : arguments) {
    line += '\t';
    AppendEscaped(line, argument);
  }
  line += '\n';
  // One write of the whole line with O_APPEND keeps lines whole even when
  // several processes log to the same file.
  int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  ssize_t ignored = ::write(fd, line.data(), line.size());
  (void)ignored;
  ::close(fd);
}

}  // namespace tolvex::platform::sim

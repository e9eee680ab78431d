// The date and time settings of the common desktops, looked up on PATH in
// the order below; the first one found is started through the shell, so the
// simulated shell records it instead of starting it.
#include "platform/date_time_settings.h"

#include <QStandardPaths>
#include <array>

#include "platform/shell.h"

namespace tolvex::platform {

namespace {

struct SettingsTool {
  const char* program;
  const char* parameters;
};

constexpr std::array<SettingsTool, 7> kTools{{
    {"gnome-control-center", "datetime"},
    {"systemsettings", "kcm_clock"},
    {"kcmshell5", "clock"},
    {"cinnamon-settings", "calendar"},
    {"time-admin", ""},
    {"lxqt-admin-time", ""},
    {"unity-control-center", "datetime"},
}};

}  // namespace

bool StartDateTimeSettings() {
  for (const SettingsTool& tool : kTools) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool.program));
    if (path.isEmpty()) continue;
    return Shell().Open(path.toStdString(), tool.parameters, {}, ShowNormal);
  }
  return false;
}

}  // namespace tolvex::platform

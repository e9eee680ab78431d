// The date and time settings of Windows: the control panel item, opened
// through the shell service (so a test's shell records it instead).
#include "platform/date_time_settings.h"

#include "platform/shell.h"

namespace tolvex::platform {

bool StartDateTimeSettings() {
  return Shell().Open("control.exe", "timedate.cpl", "", ShowNormal);
}

}  // namespace tolvex::platform

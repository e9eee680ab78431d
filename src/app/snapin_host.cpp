// The build step of one snap-in element.
#include "app/snapin_host.h"

#include <tolvex/snapin.h>

#include "app/builtin_panels.h"
#include "app/builtin_snapins.h"
#include "app/snapin_module.h"

namespace tolvex {

int PlaceSnapIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                int number, const QString& fileName, int y) {
  if (number == 1) {
    const int builtIn = BuiltInSnapInOfLibrary(fileName);
    if (builtIn == 0) return PlacePlugIn(host, controls, snapInFolder, fileName, y);
    number = builtIn;
  }
  if (BuiltInSnapIn(number) != nullptr) return PlaceBuiltInPanel(host, controls, number, y);
  return y;
}

std::intptr_t MessageWParam(const QEvent& message) {
  const auto* withParameters = dynamic_cast<const TSI_Message*>(&message);
  return withParameters != nullptr ? withParameters->WParam() : 0;
}

}  // namespace tolvex

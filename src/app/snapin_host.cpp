// The build step of one snap-in element.
#include "app/snapin_host.h"

#include <tolvex/snapin.h>

#include <cstdio>

#include "app/builtin_panels.h"
#include "app/builtin_snapins.h"
#include "app/element_controls.h"
#include "app/elements.h"
#include "app/snapin_module.h"

namespace tolvex {

int PlaceSnapIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                int number, const QString& fileName, int y) {
  if (number == 1) {
    const int builtIn = BuiltInSnapInOfLibrary(fileName);
    if (builtIn == 0) return PlacePlugIn(host, controls, snapInFolder, fileName, y);
    number = builtIn;
  }
  const int placed = controls.Count();
  if (BuiltInSnapIn(number) != nullptr) y = PlaceBuiltInPanel(host, controls, number, y);
  // An element this bar has no panel for (yet) keeps its place in the file.
  if (controls.Count() == placed)
    std::fprintf(stderr, "tolvexBar: Element \"%s\" übersprungen: diese Leiste hat es nicht\n",
                 qPrintable(number > 1 ? SnapInDisplayName(number) : fileName));
  return y;
}

std::intptr_t MessageWParam(const QEvent& message) {
  const auto* withParameters = dynamic_cast<const TSI_Message*>(&message);
  return withParameters != nullptr ? withParameters->WParam() : 0;
}

}  // namespace tolvex

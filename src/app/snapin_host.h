// Snap-in hosting: what a snap-in may ask of the bar (ISnapInHost), and the
// build step that places one snap-in element below the bar's other elements.
//
// Panels and plug-in modules see the bar only through ISnapInHost, never
// through the bar window's class, so they do not depend on it.
#pragma once

#include <QString>
#include <cstdint>

class QEvent;
class QMenu;
class QWidget;

namespace tolvex {

class TtxIniFile;
class TtxRas32;
class TElementControls;

class ISnapInHost {
 public:
  virtual ~ISnapInHost() = default;

  // The bar window: owner and parent of the panels, and the window a
  // plug-in is initialised with and sends its messages to.
  virtual QWidget& Bar() = 0;
  // The main configuration file; each panel keeps its settings in its own
  // section.
  virtual TtxIniFile& ConfigFile() = 0;
  // The bar's dial-up component, shared with the dial-up panel.
  virtual TtxRas32& txRas() = 0;
  // Appends the bar's submenu "&tolvexBar" to `menu`.
  virtual void AddBarSubmenu(QMenu& menu) = 0;
  // Re-places all element controls and fits the bar's height.
  virtual void RestackElements() = 0;
};

// Places the snap-in element `number` at `y`, the bar's running y:
// 1 the plug-in library `fileName` of `snapInFolder`, 2 to 7 the built-in
// panel of that number, anything else nothing. A plug-in `fileName` that
// names a built-in library means that built-in panel. The new entry, if any,
// is appended to `controls`; returns the running y below it.
int PlaceSnapIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                int number, const QString& fileName, int y);

// The first parameter of a bar message (a TSI_Message of <tolvex/snapin.h>);
// 0 for a plain event of the message's type, which plug-ins may send too.
std::intptr_t MessageWParam(const QEvent& message);

}  // namespace tolvex

// The built-in panels' factories and their program-wide references.
//
// Each built-in panel registers its factory here under its number; the bar
// never includes a panel's header. Register from a function that the program
// calls at start (a self-registering object in a static library is dropped
// by the linker when nothing else refers to its file). A number without a
// factory contributes no control to the bar.
//
// At most one panel of each number is on the bar: its program-wide
// reference. Every build resets all six references before it starts; a
// reference also becomes none when its panel is destroyed.
#pragma once

#include <functional>

#include "app/snapin_host.h"

namespace tolvex {

class TSnapInPanel;

// Creates the panel with host.Bar() as owner; the element list takes it over.
using TBuiltInPanelFactory = std::function<TSnapInPanel*(ISnapInHost& host)>;

// Sets the factory of built-in panel `number` (2 to 7; an empty function
// removes it) and returns the previous one.
TBuiltInPanelFactory RegisterBuiltInPanel(int number, TBuiltInPanelFactory factory);

// The live panel of `number`, or nullptr.
TSnapInPanel* BuiltInPanel(int number);

// Sets all six references to none (the first step of every build).
void ResetBuiltInPanels();

// Places the built-in panel `number` at `y` unless its reference is set or
// it has no factory: construct, reference, parent, left 0, width, top,
// Start, then append it to `controls`. Returns the running y below it.
// A panel whose Start throws is destroyed and the error passes on.
int PlaceBuiltInPanel(ISnapInHost& host, TElementControls& controls, int number, int y);

}  // namespace tolvex

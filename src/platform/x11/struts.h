// The EWMH struts of a docked window, written and read: twelve values
// ordered left, right, top, bottom (the depth each holds from its screen
// edge), then the start and end of each of these strips along its edge in
// the same order, ends included, all in device pixels of the whole X
// screen. Plain arithmetic, free of any X connection.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/docked_strips.h"

namespace tolvex::platform::x11 {

// The size of the whole X screen in device pixels and the device pixels
// per logical pixel of the bar's screen.
struct StrutScreen {
  int width = 0;
  int height = 0;
  double ratio = 1.0;
};

// The _NET_WM_STRUT_PARTIAL values that reserve `rect` (logical pixels) at
// `edge` (0 left, 1 top, 2 right, 3 bottom); all zero for anything else.
std::vector<std::uint32_t> StrutFor(int edge, const Rect& rect, const StrutScreen& screen);

// The strips, in logical pixels, that a window's _NET_WM_STRUT_PARTIAL
// holds, or its _NET_WM_STRUT (four depths, each the whole length of its
// edge) when it has no complete partial strut. Values beyond the screen are
// cut to it.
std::vector<DockedStrip> StripsOf(const std::vector<std::uint32_t>& partial,
                                  const std::vector<std::uint32_t>& strut,
                                  const StrutScreen& screen, StripHolder holder);

}  // namespace tolvex::platform::x11

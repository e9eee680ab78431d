// EWMH struts to and from strips of the screen.
#include "platform/x11/struts.h"

#include <algorithm>
#include <cmath>

namespace tolvex::platform::x11 {

namespace {

// The place of each edge (0 left, 1 top, 2 right, 3 bottom) in a strut.
constexpr int kStrutIndex[] = {0, 2, 1, 3};

bool IsVertical(int edge) {
  return edge == 0 || edge == 2;
}

}  // namespace

std::vector<std::uint32_t> StrutFor(int edge, const Rect& rect, const StrutScreen& screen) {
  std::vector<std::uint32_t> strut(12, 0);
  if (edge < 0 || edge > 3 || rect.Width() <= 0 || rect.Height() <= 0) return strut;
  auto px = [&screen](int v) { return std::lround(v * screen.ratio); };
  auto clamp = [](long v) { return static_cast<std::uint32_t>(std::max(0L, v)); };
  const int index = kStrutIndex[edge];
  long depth = 0;
  switch (edge) {
    case 0:
      depth = px(rect.right);
      break;
    case 1:
      depth = px(rect.bottom);
      break;
    case 2:
      depth = screen.width - px(rect.left);
      break;
    case 3:
      depth = screen.height - px(rect.top);
      break;
  }
  strut[index] = clamp(depth);
  strut[4 + 2 * index] = clamp(px(IsVertical(edge) ? rect.top : rect.left));
  strut[5 + 2 * index] = clamp(px(IsVertical(edge) ? rect.bottom : rect.right) - 1);
  return strut;
}

std::vector<DockedStrip> StripsOf(const std::vector<std::uint32_t>& partial,
                                  const std::vector<std::uint32_t>& strut,
                                  const StrutScreen& screen, StripHolder holder) {
  const int width = screen.width;
  const int height = screen.height;
  std::vector<std::uint32_t> values = partial;
  if (values.size() < 12) {
    if (strut.size() < 4) return {};
    const auto lastRow = static_cast<std::uint32_t>(std::max(0, height - 1));
    const auto lastColumn = static_cast<std::uint32_t>(std::max(0, width - 1));
    values.assign(strut.begin(), strut.begin() + 4);
    values.insert(values.end(), {0, lastRow, 0, lastRow, 0, lastColumn, 0, lastColumn});
  }
  const double ratio = screen.ratio;
  auto down = [ratio](int v) { return static_cast<int>(std::floor(v / ratio)); };
  auto up = [ratio](int v) { return static_cast<int>(std::ceil(v / ratio)); };
  std::vector<DockedStrip> strips;
  for (int edge = 0; edge < 4; ++edge) {
    const int index = kStrutIndex[edge];
    const long length = IsVertical(edge) ? height : width;
    const int size =
        static_cast<int>(std::min<long>(values[index], IsVertical(edge) ? width : height));
    const int start = static_cast<int>(std::min<long>(values[4 + 2 * index], length));
    const int end = static_cast<int>(std::min<long>(values[5 + 2 * index], length - 1)) + 1;
    if (size == 0 || end <= start) continue;
    Rect held;  // in device pixels
    switch (edge) {
      case 0:
        held = {0, start, size, end};
        break;
      case 1:
        held = {start, 0, end, size};
        break;
      case 2:
        held = {width - size, start, width, end};
        break;
      case 3:
        held = {start, height - size, end, height};
        break;
    }
    // Rounded outwards, so that no device pixel of it is left out.
    strips.push_back(
        {edge, Rect{down(held.left), down(held.top), up(held.right), up(held.bottom)}, holder});
  }
  return strips;
}

}  // namespace tolvex::platform::x11

// The placement rules of bars beside docked strips.
#include "platform/docked_strips.h"

#include <algorithm>

namespace tolvex::platform {

namespace {

bool IsVertical(int edge) {
  return edge == 0 || edge == 2;
}

bool Overlap(int from, int to, int otherFrom, int otherTo) {
  return from < otherTo && otherFrom < to;
}

// Whether the strip and the rectangle share a stretch along the strip's edge.
bool Touches(const DockedStrip& strip, const Rect& rect) {
  return IsVertical(strip.edge) ? Overlap(rect.top, rect.bottom, strip.rect.top, strip.rect.bottom)
                                : Overlap(rect.left, rect.right, strip.rect.left, strip.rect.right);
}

bool GivesWayTo(int edge, const DockedStrip& strip) {
  if (strip.edge == edge) return strip.holder != StripHolder::LaterBar;
  if (IsVertical(strip.edge) == IsVertical(edge)) return true;
  return IsVertical(edge) || strip.holder == StripHolder::OtherProgram;
}

}  // namespace

void TakeAway(Rect& rect, const DockedStrip& strip) {
  switch (strip.edge) {
    case 0:
      rect.left = std::max(rect.left, strip.rect.right);
      break;
    case 1:
      rect.top = std::max(rect.top, strip.rect.bottom);
      break;
    case 2:
      rect.right = std::min(rect.right, strip.rect.left);
      break;
    case 3:
      rect.bottom = std::min(rect.bottom, strip.rect.top);
      break;
  }
}

void FitBesideStrips(int edge, Rect& rect, const std::vector<DockedStrip>& strips) {
  if (edge < 0 || edge > 3) return;
  for (const bool alongTheBar : {true, false}) {
    for (const DockedStrip& strip : strips) {
      if ((IsVertical(strip.edge) == IsVertical(edge)) != alongTheBar) continue;
      if (GivesWayTo(edge, strip) && Touches(strip, rect)) TakeAway(rect, strip);
    }
  }
}

}  // namespace tolvex::platform

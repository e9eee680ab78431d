// Stored colours and the palette.
#include "shared/colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace tolvex {

namespace {

// The palette role of the system colours by their index.
QPalette::ColorRole RoleOf(int index) {
  switch (index) {
    case 1:  // desktop background
    case 15:
      return QPalette::Button;
    case 5:
      return QPalette::Base;
    case 13:
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    case 18:
      return QPalette::ButtonText;
    case 23:
      return QPalette::ToolTipText;
    case 24:
      return QPalette::ToolTipBase;
    case 20:
      return QPalette::Light;
    case 16:
      return QPalette::Dark;
    default:
      return QPalette::Text;
  }
}

}  // namespace

QColor ColorToQColor(TColor color) {
  if (color < 0) return QGuiApplication::palette().color(RoleOf(color & 0xFF));
  const auto value = unsigned(color);
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColor ColorFromQColor(const QColor& color) {
  return TColor(unsigned(color.red()) | (unsigned(color.green()) << 8) |
                (unsigned(color.blue()) << 16));
}

}  // namespace tolvex

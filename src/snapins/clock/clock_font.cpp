// The clock's font.
#include "snapins/clock/clock_font.h"

#include <QStringList>

namespace tolvex {

QFont ClockFont(const QFont& base, int pixelSize) {
  QFont font = base;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace tolvex

// Painting the year planner: the cell colours in runs, separators and
// frames, the centred texts, the year arrows, the grid lines and the border.
#include <qdrawutil.h>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "snapins/clock/year_planner.h"

namespace tolvex {

namespace {

// Separators keep this far from the left and right edges of a heading cell.
constexpr int kSeparatorInset = 10;

void DrawArrow(QPainter& p, const QRect& box, bool right, const QPalette& palette) {
  // A flat button: face and a thin frame, the arrow in the middle.
  p.fillRect(box, palette.color(QPalette::Button));
  p.setPen(palette.color(QPalette::Dark));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  const QPoint c = box.center();
  const int s = std::max(1, std::min(box.width(), box.height()) / 5);
  const QPolygon arrow =
      right
          ? QPolygon({c + QPoint(-s + 1, -2 * s), c + QPoint(s + 1, 0), c + QPoint(-s + 1, 2 * s)})
          : QPolygon({c + QPoint(s, -2 * s), c + QPoint(-s, 0), c + QPoint(s, 2 * s)});
  p.setPen(Qt::NoPen);
  p.setBrush(palette.color(QPalette::ButtonText));
  p.drawPolygon(arrow);
}

}  // namespace

void TYearPlanner::paintEvent(QPaintEvent*) {
  if (!options_.DrawOffScreen) {
    QPainter p(this);
    Paint(p);
    return;
  }
  QPixmap picture(size() * devicePixelRatioF());
  picture.setDevicePixelRatio(devicePixelRatioF());
  {
    QPainter p(&picture);
    Paint(p);
  }
  QPainter(this).drawPixmap(0, 0, picture);
}

void TYearPlanner::Paint(QPainter& p) const {
  const TPlannerGeometry g = Geometry();
  p.fillRect(rect(), palette().color(QPalette::Window));
  // Runs of vertically adjacent cells of one colour are filled at once.
  for (int column = 0; column < kColumns; ++column) {
    int runStart = 0;
    for (int row = 1; row <= kRows; ++row) {
      const TColor color = CellColor(column, runStart);
      if (row < kRows && CellColor(column, row) == color) continue;
      const QRect top = g.CellRect(column, runStart);
      const QRect bottom = g.CellRect(column, row - 1);
      p.fillRect(top.united(bottom), ColorToQColor(color));
      runStart = row;
    }
  }
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) PaintCell(p, g, column, row);
  }
  if (options_.YearNavigators) PaintNavigators(p, g);
  if (options_.GridLines) PaintGridLines(p, g);
  if (options_.SoftBorder) qDrawWinPanel(&p, rect(), palette(), true);
}

void TYearPlanner::PaintCell(QPainter& p, const TPlannerGeometry& g, int column, int row) const {
  const QRect cell = g.CellRect(column, row);
  if (options_.Seperator && (column == 0 || row == 0) && cell.width() > 2 * kSeparatorInset) {
    const int y = cell.bottom() - 1;
    qDrawShadeLine(&p, cell.left() + kSeparatorInset, y, cell.right() - kSeparatorInset, y,
                   palette(), false, 1, 0);
  }
  if (!options_.FlatCells) qDrawShadePanel(&p, cell, palette(), false, 1);
  const QString& text = texts_[column][row];
  if (text.isEmpty()) return;
  const TPlannerFont& font = column == 0 && row == 0 ? options_.YearFont
                             : column == 0           ? options_.MonthFont
                             : row == 0              ? options_.DayFont
                                                     : options_.Font;
  p.setFont(font.font);
  p.setPen(ColorToQColor(font.color));
  const QFontMetrics metrics(font.font);
  const int left = cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2;
  const int top = cell.top() + (cell.height() - metrics.height()) / 2;
  if (options_.EndEllipsis) {
    const QRect box(left, top, cell.width(), cell.height());
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               metrics.elidedText(text, Qt::ElideRight, cell.width()));
  } else {
    // Wider than its cell, a text overflows on both sides.
    p.drawText(left, top + metrics.ascent(), text);
  }
}

void TYearPlanner::PaintNavigators(QPainter& p, const TPlannerGeometry& g) const {
  DrawArrow(p, g.prevYear, false, palette());
  DrawArrow(p, g.nextYear, true, palette());
}

void TYearPlanner::PaintGridLines(QPainter& p, const TPlannerGeometry& g) const {
  p.setPen(options_.GridPen);
  const int top = g.headingHeight - 1;
  const int bottom = top + 12 * g.rowHeight;
  const int left = g.headingWidth - 1;
  const int right = left + kDayColumns * g.columnWidth;
  for (int line = 0; line <= kDayColumns; ++line) {
    const int x = left + line * g.columnWidth;
    p.drawLine(x, top, x, bottom);
  }
  for (int line = 0; line <= 12; ++line) {
    const int y = top + line * g.rowHeight;
    p.drawLine(g.headingWidth, y, right, y);
  }
}

}  // namespace tolvex

// The year planner's hint window.
#include "snapins/clock/year_planner_hint.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace tolvex {

namespace {
// The text starts this far from the window's edges.
constexpr int kPadding = 2;
constexpr int kExtra = 5;
}  // namespace

TPlannerHint::TPlannerHint(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("hwHint"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TPlannerHint::Cancel);
}

void TPlannerHint::Show(const QString& text, QPoint mouse, TColor color, const TPlannerFont& font,
                        int lifetime) {
  lines_ = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  font_ = font;
  setFont(font.font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ColorToQColor(color));
  setPalette(palette);
  const QFontMetrics metrics(font.font);
  int widest = 0;
  for (const QString& line : lines_) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int height = metrics.height() * int(lines_.size()) + kExtra;
  setFixedSize(widest + kExtra, height);
  move(mouse + QPoint(0, height));
  show();
  update();
  timer_.start(lifetime > 0 ? lifetime : kHintPause);
}

void TPlannerHint::Cancel() {
  timer_.stop();
  hide();
}

void TPlannerHint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setPen(ColorToQColor(font_.color));
  p.setFont(font_.font);
  const QFontMetrics metrics(font_.font);
  for (int i = 0; i < lines_.size(); ++i) {
    p.drawText(kPadding, kPadding + i * metrics.height() + metrics.ascent(), lines_[i]);
  }
}

}  // namespace tolvex

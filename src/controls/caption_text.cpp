// Lays out and draws button captions the way the bar has always shown them:
// left-aligned lines of the font's height, broken between words.
#include "controls/caption_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace tolvex {

TCaptionMarks ResolveCaptionMarks(const QString& caption) {
  TCaptionMarks marks;
  marks.text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (++i == caption.size()) break;
      if (caption[i] != u'&' && marks.accelerator < 0) marks.accelerator = marks.text.size();
    }
    marks.text += caption[i];
  }
  return marks;
}

namespace {

// Line breaks of the caption become the layout's own line separators.
QString WithLineSeparators(QString text) {
  text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
  text.replace(u'\n', QChar::LineSeparator);
  text.replace(u'\r', QChar::LineSeparator);
  return text;
}

QString Trimmed(QString text) {
  while (!text.isEmpty() && (text.back().isSpace() || text.back() == QChar::LineSeparator))
    text.chop(1);
  return text;
}

}  // namespace

TCaptionLayout::TCaptionLayout(const QString& caption, const QFont& font, int width, int height)
    : font_(font) {
  const TCaptionMarks marks = ResolveCaptionMarks(caption);
  const QString text = WithLineSeparators(marks.text);
  if (text.isEmpty()) return;
  const QFontMetrics metrics(font);
  lineHeight_ = metrics.height();

  struct Span {
    int start;
    int length;
  };
  std::vector<Span> spans;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(width, 0));
    spans.push_back({line.textStart(), line.textLength()});
  }
  layout.endLayout();

  height_ = static_cast<int>(spans.size()) * lineHeight_;
  const int fitting = std::clamp(height / std::max(lineHeight_, 1), 1, int(spans.size()));
  for (int i = 0; i < fitting; ++i) {
    const Span span = spans[i];
    const bool cutOff = i == fitting - 1 && fitting < int(spans.size());
    const QString own = Trimmed(text.mid(span.start, span.length));
    QString shown = own;
    if (cutOff) {
      QString rest = Trimmed(text.mid(span.start));
      rest.replace(QChar::LineSeparator, u' ');
      shown = metrics.elidedText(rest, Qt::ElideRight, width);
      // The rest fits on the line only when an explicit line break follows.
      if (shown == rest) shown = own + QChar(0x2026);
    } else if (metrics.horizontalAdvance(own) > width) {
      shown = metrics.elidedText(own, Qt::ElideRight, width);
    }
    int accelerator = marks.accelerator - span.start;
    // The accelerator stays marked only while its character is still shown.
    if (accelerator < 0 || accelerator >= span.length ||
        shown.left(accelerator + 1) != own.left(accelerator + 1)) {
      accelerator = -1;
    }
    lines_.push_back({shown, accelerator});
  }
}

void TCaptionLayout::Draw(QPainter& painter, const QPoint& origin, const QColor& color,
                          bool underline) const {
  const QFontMetrics metrics(font_);
  painter.save();
  painter.setFont(font_);
  painter.setPen(color);
  int top = origin.y();
  for (const Row& line : lines_) {
    const int baseline = top + metrics.ascent();
    painter.drawText(origin.x(), baseline, line.text);
    if (underline && line.accelerator >= 0) {
      const int left = origin.x() + metrics.horizontalAdvance(line.text.left(line.accelerator));
      const int right = left + metrics.horizontalAdvance(line.text.at(line.accelerator));
      const int y = baseline + metrics.underlinePos();
      painter.fillRect(left, y, right - left, std::max(metrics.lineWidth(), 1), color);
    }
    top += lineHeight_;
  }
  painter.restore();
}

}  // namespace tolvex

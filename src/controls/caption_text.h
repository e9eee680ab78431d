// Caption text of the image buttons: accelerator marks ("&"), word wrapping
// within a width, and an ellipsis at the end of what does not fit.
#pragma once

#include <QFont>
#include <QString>
#include <vector>

class QColor;
class QPainter;
class QPoint;

namespace tolvex {

// A caption with its accelerator marks resolved: "&&" is a plain "&", the
// character after a single "&" is the accelerator.
struct TCaptionMarks {
  QString text;
  int accelerator = -1;  // index into text, or -1
};
TCaptionMarks ResolveCaptionMarks(const QString& caption);

// The lines of a caption laid out word-wrapped in a box of the given size.
// Height is the height all lines would need (it may exceed the box); only
// the lines that fit are kept, the last of them ends in an ellipsis when
// text was left out, and a line wider than the box is cut with an ellipsis.
// Even a box lower than one line keeps the first line.
class TCaptionLayout {
 public:
  TCaptionLayout(const QString& caption, const QFont& font, int width, int height);

  int Height() const { return height_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  QString Line(int index) const { return lines_[index].text; }

  // Draws the kept lines with their top-left corner at origin; the
  // accelerator is underlined when `underline` is set.
  void Draw(QPainter& painter, const QPoint& origin, const QColor& color, bool underline) const;

 private:
  struct Row {
    QString text;
    int accelerator;  // index into text, or -1
  };

  QFont font_;
  int lineHeight_ = 0;
  int height_ = 0;
  std::vector<Row> lines_;
};

}  // namespace tolvex

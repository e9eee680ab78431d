// TtxImageList: a list of images of one fixed size, addressed by index, as
// the buttons, menus and panels of the bar draw them. Users of a list follow
// its Changed signal and its destruction.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <vector>

class QPainter;

namespace tolvex {

// A transparent picture of `width` × `height` logical pixels to draw an image
// of a list on, sharp at `devicePixelRatio`.
QPixmap BlankImage(int width, int height, double devicePixelRatio = 1.0);

class TtxImageList : public QObject {
  Q_OBJECT

 public:
  TtxImageList(QSize imageSize, QObject* owner = nullptr);

  int Width() const { return size_.width(); }
  int Height() const { return size_.height(); }
  int Count() const { return static_cast<int>(images_.size()); }

  // Appends an image (scaled to the list's size when it differs); its index.
  int Add(const QPixmap& image);
  // Replaces the image at index; an index out of range changes nothing.
  void Replace(int index, const QPixmap& image);
  void Clear();

  // The image at index, or a null pixmap when there is none.
  QPixmap Image(int index) const;
  // Draws the image at index with its top-left corner at (x, y); greyed
  // when not enabled. An index out of range draws nothing.
  void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

 signals:
  void Changed();

 private:
  QPixmap Fitted(const QPixmap& image) const;

  QSize size_;
  std::vector<QPixmap> images_;
  // Greyed images, made on first use and dropped when the images change.
  mutable std::vector<QPixmap> greyed_;
};

}  // namespace tolvex

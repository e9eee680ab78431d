// The image list: fixed-size images, greyed versions made by the style.
#include "controls/image_list.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace tolvex {

QPixmap BlankImage(int width, int height, double devicePixelRatio) {
  QPixmap pixmap(QSize(width, height) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

TtxImageList::TtxImageList(QSize imageSize, QObject* owner) : QObject(owner), size_(imageSize) {}

QPixmap TtxImageList::Fitted(const QPixmap& image) const {
  if (image.isNull() || image.deviceIndependentSize().toSize() == size_) return image;
  return image.scaled(size_ * image.devicePixelRatio(), Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

int TtxImageList::Add(const QPixmap& image) {
  images_.push_back(Fitted(image));
  greyed_.clear();
  emit Changed();
  return Count() - 1;
}

void TtxImageList::Replace(int index, const QPixmap& image) {
  if (index < 0 || index >= Count()) return;
  images_[index] = Fitted(image);
  greyed_.clear();
  emit Changed();
}

void TtxImageList::Clear() {
  images_.clear();
  greyed_.clear();
  emit Changed();
}

QPixmap TtxImageList::Image(int index) const {
  return index >= 0 && index < Count() ? images_[index] : QPixmap();
}

void TtxImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  if (enabled) {
    painter.drawPixmap(x, y, images_[index]);
    return;
  }
  if (greyed_.empty()) greyed_.resize(images_.size());
  QPixmap& greyed = greyed_[index];
  if (greyed.isNull()) {
    QStyleOption option;
    option.palette = QApplication::palette();
    greyed = QApplication::style()->generatedIconPixmap(QIcon::Disabled, images_[index], &option);
  }
  painter.drawPixmap(x, y, greyed);
}

}  // namespace tolvex

// Actions and action lists: the menu icon follows the action's image.
#include "controls/action.h"

#include <QIcon>

namespace tolvex {

void TtxActionList::SetImages(TtxImageList* images) {
  if (images_ == images) return;
  if (images_) disconnect(images_, nullptr, this, nullptr);
  images_ = images;
  if (images_) {
    connect(images_, &TtxImageList::Changed, this, &TtxActionList::ImagesChanged);
    connect(images_, &QObject::destroyed, this, &TtxActionList::ImagesChanged);
  }
  emit ImagesChanged();
}

TtxAction::TtxAction(const QString& caption, QObject* owner) : QAction(caption, owner) {
  if (auto* list = qobject_cast<TtxActionList*>(owner)) {
    connect(list, &TtxActionList::ImagesChanged, this, [this] {
      UpdateIcon();
      emit ImageChanged();
    });
  }
}

TtxImageList* TtxAction::ImageList() const {
  auto* list = qobject_cast<TtxActionList*>(parent());
  return list ? list->Images() : nullptr;
}

void TtxAction::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  UpdateIcon();
  emit ImageChanged();
}

void TtxAction::SetHint(const QString& hint) {
  hint_ = hint;
  setToolTip(hint);
  setStatusTip(hint);
}

void TtxAction::UpdateIcon() {
  const TtxImageList* images = ImageList();
  const QPixmap image = images ? images->Image(imageIndex_) : QPixmap();
  setIcon(image.isNull() ? QIcon() : QIcon(image));
}

}  // namespace tolvex

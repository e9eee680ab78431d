// Actions shared by menus and buttons: TtxAction adds to QAction what the
// bar's controls take from an action (an image of the action list's image
// list, a hint, a help context); TtxActionList groups actions and holds the
// image list they draw from.
#pragma once

#include <QAction>
#include <QPointer>

#include "controls/image_list.h"

namespace tolvex {

class TtxActionList : public QObject {
  Q_OBJECT

 public:
  explicit TtxActionList(QObject* owner = nullptr) : QObject(owner) {}

  TtxImageList* Images() const { return images_; }
  // The image list of every action of this list; a destroyed list becomes none.
  void SetImages(TtxImageList* images);

 signals:
  void ImagesChanged();

 private:
  QPointer<TtxImageList> images_;
};

class TtxAction : public QAction {
  Q_OBJECT

 public:
  // An action whose owner is a TtxActionList draws from that list's images.
  TtxAction(const QString& caption, QObject* owner);

  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The owning action list's image list, or none.
  TtxImageList* ImageList() const;

  // The hint is shown as tool tip and status tip of the action's controls.
  QString Hint() const { return hint_; }
  void SetHint(const QString& hint);

  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }

 signals:
  // The image index or the image list changed (menus and buttons redraw).
  void ImageChanged();

 private:
  void UpdateIcon();

  int imageIndex_ = -1;
  QString hint_;
  int helpContext_ = 0;
  QMetaObject::Connection imagesConnection_;
};

}  // namespace tolvex

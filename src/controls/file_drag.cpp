// The file drop target: an event filter on the owner widget takes the drag
// events before the owner does.
#include "controls/file_drag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace tolvex {

TFileDrag::TFileDrag(QObject* owner) : QObject(owner), owner_(qobject_cast<QWidget*>(owner)) {
  if (owner_) {
    owner_->installEventFilter(this);
  } else {
    enableDrop_ = false;
  }
  SetEnableDrop(enableDrop_);
}

TFileDrag::~TFileDrag() {
  if (!owner_) return;
  owner_->removeEventFilter(this);
  owner_->setAcceptDrops(false);
}

void TFileDrag::SetEnableDrop(bool enable) {
  enableDrop_ = enable;
  if (owner_) owner_->setAcceptDrops(enable);
}

QStringList TFileDrag::DraggedFiles(const QDropEvent& event) {
  const QMimeData* data = event.mimeData();
  if (!data || !data->hasUrls()) return {};
  QStringList files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    if (path.isEmpty()) return {};
    files << path;
  }
  return files;
}

bool TFileDrag::AcceptWithoutMove(QDropEvent& event) {
  for (Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
    if (event.possibleActions() & action) {
      event.setDropAction(action);
      event.accept();
      return true;
    }
  }
  event.ignore();
  return false;
}

bool TFileDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != owner_ || !EnableDrop()) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto& drag = static_cast<QDropEvent&>(*event);
      if (DraggedFiles(drag).isEmpty()) return false;
      AcceptWithoutMove(drag);
      return true;
    }
    case QEvent::Drop: {
      auto& drop = static_cast<QDropEvent&>(*event);
      QStringList files = DraggedFiles(drop);
      if (files.isEmpty() || !AcceptWithoutMove(drop)) return false;
      files_ = std::move(files);
      const QPoint at = drop.position().toPoint();
      emit OnDrop(this, at.x(), at.y());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tolvex

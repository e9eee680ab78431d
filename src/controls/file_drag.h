// TFileDrag: makes its owner widget a target for local files dragged from
// the desktop's file managers and reports each drop with its files and the
// drop point. Anything else dragged over the owner (text, remote addresses)
// is refused, and a drop never asks the source to move or delete its files.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QDropEvent;
class QWidget;

namespace tolvex {

class TFileDrag : public QObject {
  Q_OBJECT

 public:
  // An owner that is not a widget never accepts drops.
  explicit TFileDrag(QObject* owner);
  ~TFileDrag() override;

  // Full paths of the last drop's files, in the order the source listed them.
  QStringList Files() const { return files_; }
  int FileCount() const { return static_cast<int>(files_.size()); }

  // Whether the owner accepts dropped files; switching it leaves the owner
  // as it is otherwise.
  bool EnableDrop() const { return enableDrop_ && owner_; }
  void SetEnableDrop(bool enable);

 signals:
  // Raised once per drop after Files has been filled; (x, y) is the drop
  // point in the owner's coordinates.
  void OnDrop(TFileDrag* sender, int x, int y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The local files a drag carries, or an empty list when it carries
  // anything else too.
  static QStringList DraggedFiles(const QDropEvent& event);
  // Accepts the drag as a copy or a link, never as a move.
  static bool AcceptWithoutMove(QDropEvent& event);

  QPointer<QWidget> owner_;
  bool enableDrop_ = true;
  QStringList files_;
};

}  // namespace tolvex

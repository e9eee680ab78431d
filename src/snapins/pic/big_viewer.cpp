// TwBigViewer, the picture panel's viewer.
#include "snapins/pic/big_viewer.h"

#include <QLabel>
#include <QPixmap>

#include "snapins/pic/picture_file.h"

namespace tolvex {

TwBigViewer::TwBigViewer(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      imPicture_(new QLabel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("tolvexBar"));
  imPicture_->move(0, 0);
}

void TwBigViewer::Load(const QString& path) {
  const QImage picture = LoadPictureFile(path);
  if (picture.isNull()) return;
  imPicture_->setPixmap(QPixmap::fromImage(picture));
  imPicture_->resize(picture.size());
  setFixedSize(picture.size());
}

}  // namespace tolvex

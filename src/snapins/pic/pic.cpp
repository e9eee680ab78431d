// TfrPic, the picture snap-in panel.
#include "snapins/pic/pic.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/ini_file.h"
#include "shared/file_dialog.h"
#include "snapins/pic/big_viewer.h"
#include "snapins/pic/picture_file.h"

namespace tolvex {

namespace {

const QString kSection = QStringLiteral("TolvexPic");
const QString kImageKey = QStringLiteral("Image");

// The placeholder shown before a picture is chosen: a framed landscape.
QImage PlaceholderPicture() {
  QImage image(100, TfrPic::kDesignHeight, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, image.height());
  sky.setColorAt(0, QColor(0x9c, 0xc8, 0xf0));
  sky.setColorAt(1, QColor(0xe8, 0xf2, 0xfc));
  painter.fillRect(image.rect(), sky);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xf6, 0xd0, 0x40));
  painter.drawEllipse(QPointF(74, 22), 9, 9);
  painter.setBrush(QColor(0x5a, 0x8c, 0x4a));
  const QPointF hills[] = {{0, 86}, {0, 60}, {30, 42}, {55, 62}, {80, 48}, {100, 58}, {100, 86}};
  painter.drawPolygon(hills, std::size(hills));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x7a, 0x55, 0x30), 4));
  painter.drawRect(QRectF(2, 2, 96, TfrPic::kDesignHeight - 4));
  return image;
}

}  // namespace

TfrPic::TfrPic(ISnapInHost& host)
    : TSnapInPanel(host),
      picture_(PlaceholderPicture()),
      menu_(new QMenu(this)),
      acViewer_(menu_->addAction(QStringLiteral("&Bild anzeigen..."))),
      acLoadPicture_(menu_->addAction(QStringLiteral("Bild &öffnen..."))) {
  setAttribute(Qt::WA_TranslucentBackground);
  resize(width(), kDesignHeight);
  menu_->addSeparator();
  connect(acViewer_, &QAction::triggered, this, &TfrPic::ShowViewer);
  connect(acLoadPicture_, &QAction::triggered, this, &TfrPic::LoadPicture);
}

void TfrPic::Start() {
  Host().AddBarSubmenu(*menu_);
  ShowPicture(Host().ConfigFile().ReadString(kSection, kImageKey, QString()));
}

void TfrPic::ShowPicture(const QString& path) {
  path_ = path;
  const QImage picture = LoadPictureFile(path);
  if (picture.isNull() || picture.width() <= 0) return;
  picture_ = picture;
  const qint64 height = qint64(width()) * picture.height() / picture.width();
  resize(width(), int(qMin<qint64>(height, QWIDGETSIZE_MAX)));
  update();
  Host().RestackElements();
  if (viewer_) viewer_->Load(path);
}

TwBigViewer* TfrPic::Viewer() const { return viewer_; }

void TfrPic::ShowViewer() {
  if (!viewer_) {
    viewer_ = new TwBigViewer(this);
    viewer_->Load(path_);
    QPoint topLeft = mapToGlobal(QPoint(width(), 0));
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      topLeft.setX(qMin(topLeft.x(), area.right() + 1 - viewer_->width()));
      topLeft.setY(qMin(topLeft.y(), area.bottom() + 1 - viewer_->height()));
    }
    viewer_->move(topLeft);
  }
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
}

void TfrPic::LoadPicture() {
  TFileDialogOptions options;
  options.title = QStringLiteral("Bild öffnen");
  options.filter = PictureFileFilter();
  options.fileName = path_;
  options.preview = LoadPictureFile;
  const QString chosen = ExecOpenFileDialog(this, options);
  if (chosen.isEmpty()) return;
  Host().ConfigFile().WriteString(kSection, kImageKey, chosen);
  ShowPicture(chosen);
}

void TfrPic::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture_);
}

void TfrPic::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    ShowViewer();
  }
}

void TfrPic::contextMenuEvent(QContextMenuEvent* event) { menu_->popup(event->globalPos()); }

}  // namespace tolvex

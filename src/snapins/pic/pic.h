// TfrPic, the picture snap-in panel: one picture chosen by the user, scaled
// to the bar's width like a picture frame; a click opens the viewer.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>

#include "app/snapin_panel.h"

class QAction;
class QMenu;

namespace tolvex {

class TwBigViewer;

class TfrPic : public TSnapInPanel {
  Q_OBJECT

 public:
  // The panel's height while it shows its placeholder picture.
  static constexpr int kDesignHeight = 86;

  explicit TfrPic(ISnapInHost& host);

  // Appends the bar's submenu, reads "Image" and shows that picture.
  void Start() override;

  // Shows the picture in `path` when it can be read: the height follows the
  // picture's aspect ratio, the bar restacks and an open viewer loads it
  // too. Anything else keeps what the panel shows.
  void ShowPicture(const QString& path);
  // Creates the viewer if there is none, places it beside the panel and
  // brings it to the front.
  void ShowViewer();
  // Runs "Bild öffnen"; a confirmed choice is written to "Image" at once
  // and shown.
  void LoadPicture();

  const QString& PicturePath() const { return path_; }
  // The open viewer, or nullptr.
  TwBigViewer* Viewer() const;
  QMenu& ContextMenu() const { return *menu_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString path_;
  QImage picture_;
  QPointer<TwBigViewer> viewer_;
  QMenu* menu_;
  QAction* acViewer_;
  QAction* acLoadPicture_;
};

}  // namespace tolvex

// The two styles of about box that TTxProjectInfo shows: TwTolvexAbout, a
// logo band over a grey body with the program's main icon, and
// TwTolvexAboutV2, a white body with the project's large icon.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "shared/tx_dialog.h"

class QLabel;

namespace tolvex {

class TTxProjectInfo;
class TtxTranslator;
class TLinkLabel;

// Where a style puts its parts; body positions are relative to the body.
struct TAboutLayout {
  QSize client;
  int topBand;  // height of the white logo band above the body (0: none)
  bool whiteBody;
  QPoint logo;  // in the band, or in the body when there is no band
  const char* iconName;
  QRect icon;
  bool showsProjectIcon;  // the icon shows ProjectIcon
  QPoint version, copyright, freeware, line;
  int lineWidth;
  QPoint eMailLabel, eMail, urlLabel, url, ok;
};

class TwTxAboutForm : public TwTxDialog {
  Q_OBJECT

 public:
  // Placed 50 pixels right of and below `owner` (centred on the screen
  // without one), 50 pixels inside the work area's right and bottom edges.
  TwTxAboutForm(const TAboutLayout& layout, const QString& name, const QString& ownEntries,
                QWidget* owner);

  // Shows `info`: caption, version, pictures, addresses.
  void Fill(const TTxProjectInfo& info);

  TtxTranslator& Translator() const { return *translator_; }

 private:
  void Place(QWidget* owner);

  bool showsProjectIcon_;
  QLabel* imLogo_;
  QLabel* icon_;
  QLabel* txVersion_;
  QLabel* txFreeware_;
  TLinkLabel* txEMail_;
  TLinkLabel* txUrl_;
  TtxTranslator* translator_;
};

class TwTolvexAbout : public TwTxAboutForm {
  Q_OBJECT

 public:
  explicit TwTolvexAbout(QWidget* owner = nullptr);
};

class TwTolvexAboutV2 : public TwTxAboutForm {
  Q_OBJECT

 public:
  explicit TwTolvexAboutV2(QWidget* owner = nullptr);
};

}  // namespace tolvex

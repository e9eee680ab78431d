// The about boxes.
#include "shared/about_form.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "platform/shell.h"
#include "shared/link_label.h"
#include "shared/modal.h"
#include "shared/placement.h"
#include "shared/project_info.h"
#include "shared/shared_resources.h"
#include "shared/translator.h"

namespace tolvex {

namespace {

// The translation table of both styles; each form adds its own entries for
// its window caption.
const char16_t kTableHead[] =
    uR"tx(
'Version: 2.00'
'Languages'
( 'Deutsch' 'English' )
'Currentlanguage: Deutsch'
'ShowProperties: spTranslatedOnly'
(
  'TForm.Caption: True, True'
  'TLabel.Caption: True, True'
)
(
)tx";

const char16_t kTableTail[] =
    uR"tx(
  'TLabel(txCopyright).Caption: True'
  ( 'Copyright © tolvex. Alle Rechte vorbehalten.' 'Copyright © tolvex. All rights reserved.' )
  'TLabel(txFreeware).Caption: True'
  (
    'Dieses Programm ist Freeware. Es darf ohne Beschränkung weitergegeben werden.'
    'This program is freeware. It may be freely distributed without any restrictions.'
  )
  'TLabel(txVersion).Caption: False'
  'TLabel(txEMailCaption).Caption: False'
  'TLabel(txUrlCaption).Caption: False'
  'TLinkLabel(txEMail).Caption: False'
  'TLinkLabel(txUrl).Caption: False'
)
(
  'About' ( 'Info über' 'About' )
  'Freeware'
  (
    'Dieses Programm ist Freeware. Es darf ohne Beschränkung weitergegeben werden.'
    'This program is freeware. It may be freely distributed without any restrictions.'
  )
)
)tx";

const QString kStoredCaption = QStringLiteral("Programminformation");
constexpr int kBottomBand = 35;

const TAboutLayout kVersion1 = {
    QSize(339, 255), 39,
    false,           QPoint(4, 3),
    "imAppIcon",     QRect(12, 20, 32, 32),
    false,           QPoint(72, 20),
    QPoint(72, 36),  QPoint(72, 68),
    QPoint(72, 108), 253,
    QPoint(72, 120), QPoint(148, 120),
    QPoint(72, 140), QPoint(148, 140),
    QPoint(256, 4),
};

const TAboutLayout kVersion2 = {
    QSize(440, 310),
    0,
    true,
    QPoint(148, 19),
    "imIcon",
    QRect(12, 20, 128, 128),
    true,
    QPoint(152, 68),
    QPoint(152, 100),
    QPoint(152, 132),
    QPoint(152, 188),
    277,
    QPoint(152, 200),
    QPoint(228, 200),
    QPoint(152, 220),
    QPoint(228, 220),
    QPoint(360, 6),
};

QWidget* Panel(QWidget* parent, const char* name, const QRect& geometry, bool white) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(geometry);
  if (white) {
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
  }
  return panel;
}

template <class Label = QLabel>
Label* AddLabel(QWidget* parent, const char* name, QPoint at, const QString& text = QString()) {
  auto* label = new Label(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->move(at);
  label->adjustSize();
  return label;
}

void OpenLink(const QString& target) {
  // The shell reports nothing the user could act on; a failure stays silent.
  platform::Shell().Open(target.toStdString(), "", "", platform::ShowNormal);
}

}  // namespace

TwTxAboutForm::TwTxAboutForm(const TAboutLayout& layout, const QString& name,
                             const QString& ownEntries, QWidget* owner)
    : TwTxDialog(owner, layout.client.width(), layout.client.height()),
      showsProjectIcon_(layout.showsProjectIcon) {
  setObjectName(name);
  setWindowTitle(kStoredCaption);
  const int width = layout.client.width();
  const int bodyHeight = layout.client.height() - layout.topBand - kBottomBand;

  QWidget* band =
      layout.topBand > 0 ? Panel(this, "pnTop", QRect(0, 0, width, layout.topBand), true) : nullptr;
  QWidget* body =
      Panel(this, "pnBody", QRect(0, layout.topBand, width, bodyHeight), layout.whiteBody);
  imLogo_ = AddLabel(band ? band : body, "imLogo", layout.logo);
  imLogo_->setPixmap(SharedPicture(QStringLiteral("tolvexbar_logo.png")));
  imLogo_->adjustSize();
  icon_ = AddLabel(body, layout.iconName, layout.icon.topLeft());
  icon_->setFixedSize(layout.icon.size());
  icon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The first style shows the program's main icon; without one it stays empty.
  const QIcon mainIcon = QApplication::windowIcon();
  if (!showsProjectIcon_ && !mainIcon.isNull()) icon_->setPixmap(mainIcon.pixmap(32));

  txVersion_ = AddLabel(body, "txVersion", layout.version);
  QFont bold = txVersion_->font();
  bold.setBold(true);
  txVersion_->setFont(bold);
  txVersion_->resize(layout.lineWidth, txVersion_->height());
  QLabel* txCopyright = AddLabel(body, "txCopyright", layout.copyright);
  txCopyright->resize(layout.lineWidth, txCopyright->height());
  txFreeware_ = AddLabel(body, "txFreeware", layout.freeware);
  txFreeware_->setWordWrap(true);
  txFreeware_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  txFreeware_->setFixedSize(253, 33);
  auto* line = new QFrame(body);
  line->setObjectName(QStringLiteral("bvLine"));
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(QRect(layout.line, QSize(layout.lineWidth, 2)));
  AddLabel(body, "txEMailCaption", layout.eMailLabel, QStringLiteral("E-Mail:"));
  txEMail_ = AddLabel<TLinkLabel>(body, "txEMail", layout.eMail);
  AddLabel(body, "txUrlCaption", layout.urlLabel, QStringLiteral("Homepage:"));
  txUrl_ = AddLabel<TLinkLabel>(body, "txUrl", layout.url);
  connect(txEMail_, &TLinkLabel::Clicked, this,
          [this] { OpenLink(QStringLiteral("mailto:") + txEMail_->text()); });
  connect(txUrl_, &TLinkLabel::Clicked, this, [this] { OpenLink(WebAddress(txUrl_->text())); });

  QWidget* bottom = Panel(
      this, "pnButtons", QRect(0, layout.client.height() - kBottomBand, width, kBottomBand), false);
  auto* btOk = new QPushButton(QStringLiteral("Ok"), bottom);
  btOk->setObjectName(QStringLiteral("btOk"));
  btOk->setGeometry(QRect(layout.ok, QSize(75, 25)));
  btOk->setDefault(true);
  btOk->setProperty(kModalResultProperty, int(mrOk));
  btOk->setFocus();
  SetCancelButton(btOk);
  connect(btOk, &QPushButton::clicked, this, [this] { done(mrOk); });

  translator_ = new TtxTranslator(this);
  translator_->Load(QString::fromUtf16(kTableHead) + ownEntries + QString::fromUtf16(kTableTail));
  Place(owner);
}

void TwTxAboutForm::Place(QWidget* owner) {
  const QSize size = OuterSize(*this);
  QPoint topLeft;
  if (!owner) {
    const QRect screen = ScreenAreaRect();
    topLeft = screen.topLeft() +
              QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
  } else if (owner->isWindow()) {
    topLeft = owner->frameGeometry().topLeft() + QPoint(50, 50);
  } else {
    topLeft = owner->mapToGlobal(QPoint(50, 50));
  }
  move(PullBackFromRightBottom(topLeft, size, 50));
}

void TwTxAboutForm::Fill(const TTxProjectInfo& info) {
  if (!info.ProjectName().isEmpty())
    setWindowTitle(translator_->TranslatedText(QStringLiteral("About")) + u' ' +
                   info.ProjectName());
  txVersion_->setText(info.VersionString());
  if (!info.ProjectLogo().isNull()) {
    imLogo_->setPixmap(info.ProjectLogo());
    imLogo_->adjustSize();
  }
  if (showsProjectIcon_ && !info.ProjectIcon().isNull()) icon_->setPixmap(info.ProjectIcon());
  txEMail_->setText(info.SupportEMail());
  txEMail_->adjustSize();
  txUrl_->setText(info.SupportHomepage());
  txUrl_->adjustSize();
  txFreeware_->setText(translator_->TranslatedText(QStringLiteral("Freeware")));
}

TwTolvexAbout::TwTolvexAbout(QWidget* owner)
    : TwTxAboutForm(kVersion1, QStringLiteral("wTolvexAbout"),
                    QStringLiteral("'TwTolvexAbout(wTolvexAbout).Caption: True' "
                                   "( 'Programminformation' 'Program information' )"),
                    owner) {}

TwTolvexAboutV2::TwTolvexAboutV2(QWidget* owner)
    : TwTxAboutForm(kVersion2, QStringLiteral("wTolvexAboutV2"),
                    QStringLiteral("'TwTolvexAboutV2(wTolvexAboutV2).Caption: False'"), owner) {}

}  // namespace tolvex

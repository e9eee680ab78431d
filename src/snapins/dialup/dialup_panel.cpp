// The dial-up snap-in panel.
#include "snapins/dialup/dialup_panel.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>

#include "app/builtin_panels.h"
#include "app/ini_file.h"
#include "app/ras_component.h"
#include "controls/action.h"
#include "controls/button.h"
#include "controls/image_list.h"
#include "shared/message_dialog.h"
#include "snapins/dialup/dialup_artwork.h"

namespace tolvex {

namespace {

const QString kSection = QStringLiteral("TolvexDialup");
const QString kLastEntry = QStringLiteral("LastEntry");
constexpr int kPanelHeight = 24;
constexpr int kButtonSize = 22;

}  // namespace

TfrDialup::TfrDialup(ISnapInHost& host) : TSnapInPanel(host) {
  setObjectName(QStringLiteral("frDialup"));
  resize(width(), kPanelHeight);

  ilImages_ = new TtxImageList(QSize(16, 16), this);
  for (int image = 0; image < kDialUpImageCount; ++image) ilImages_->Add(DialUpImage(image));
  alActions_ = new TtxActionList(this);
  alActions_->SetImages(ilImages_);
  acDial_ = new TtxAction(QStringLiteral("&Verbindung herstellen"), alActions_);
  acDial_->SetImageIndex(diIdle);
  connect(acDial_, &QAction::triggered, this, &TfrDialup::acDialExecute);
  acProperties_ = new TtxAction(QStringLiteral("&Eigenschaften..."), alActions_);
  connect(acProperties_, &QAction::triggered, this, &TfrDialup::acPropertiesExecute);

  pmDialup_ = new QMenu(this);
  pmDialup_->addAction(acDial_);
  pmDialup_->addAction(acProperties_);
  pmDialup_->addSeparator();

  cbConnections_ = new QComboBox(this);
  cbConnections_->setObjectName(QStringLiteral("cbConnections"));
  cbConnections_->setEditable(false);
  cbConnections_->setFocusPolicy(Qt::ClickFocus);
  cbConnections_->setGeometry(1, 1, 0, kButtonSize);

  btDial_ = new TrButton(this);
  btDial_->setObjectName(QStringLiteral("btDial"));
  btDial_->setGeometry(0, 1, kButtonSize, kButtonSize);
  btDial_->SetImageList(ilImages_);
  btDial_->SetAction(acDial_);
  btDial_->SetPopupMenu(pmDialup_);
}

void TfrDialup::Start() {
  Host().AddBarSubmenu(*pmDialup_);
  cbConnections_->addItems(Host().txRas().PhoneBook());
  if (cbConnections_->count() == 0) {
    btDial_->SetImageIndex(diNoEntries);
    btDial_->setEnabled(false);
    return;
  }
  cbConnections_->setCurrentIndex(0);
  const QString last = Host().ConfigFile().ReadString(kSection, kLastEntry, QString());
  const int found = last.isEmpty() ? -1 : cbConnections_->findText(last, Qt::MatchExactly);
  if (found >= 0) cbConnections_->setCurrentIndex(found);
}

void TfrDialup::acDialExecute() {
  const int index = cbConnections_->currentIndex();
  if (index < 0) return;
  TtxRas32& ras = Host().txRas();
  if (ras.Connected()) {
    if (ShowMessageDlg(QStringLiteral("DFÜ-Verbindung trennen"),
                       QStringLiteral("Wollen Sie die DFÜ-Verbindung jetzt trennen?"),
                       MessageKind::Confirmation, mbYes | mbNo, 0) == mrYes) {
      ras.HangUp();
      btDial_->SetImageIndex(diIdle);
    }
    return;
  }
  const QString entry = cbConnections_->itemText(index);
  if (ShowMessageDlgFmt(QStringLiteral("DFÜ-Verbindung herstellen"),
                        QStringLiteral("Wollen Sie die DFÜ-Verbindung \"%s\" jetzt herstellen?"),
                        {entry}, MessageKind::Confirmation, mbYes | mbNo, 0) != mrYes)
    return;
  if (ras.Dial(index)) Host().ConfigFile().WriteString(kSection, kLastEntry, entry);
}

void TfrDialup::acPropertiesExecute() {
  const int index = cbConnections_->currentIndex();
  if (index >= 0) Host().txRas().EditConnection(index);
}

void TfrDialup::ConnectedNotice() {
  ShowMessageDlg(QStringLiteral("DFÜ-Verbindung hergestellt"),
                 QStringLiteral("Die DFÜ-Verbindung wurde hergestellt."), MessageKind::Information,
                 mbOk, 0);
  btDial_->SetImageIndex(diConnected);
}

void TfrDialup::DisconnectedNotice() {
  ShowMessageDlg(QStringLiteral("DFÜ-Verbindung getrennt"),
                 QStringLiteral("Die DFÜ-Verbindung wurde getrennt."), MessageKind::Information,
                 mbOk, 0);
  btDial_->SetImageIndex(diIdle);
}

void TfrDialup::resizeEvent(QResizeEvent* event) {
  TSnapInPanel::resizeEvent(event);
  btDial_->move(width() - btDial_->width() - 1, btDial_->y());
  cbConnections_->resize(std::max(0, btDial_->x() - 2), cbConnections_->height());
}

void TfrDialup::contextMenuEvent(QContextMenuEvent* event) {
  pmDialup_->exec(event->globalPos());
}

void RegisterDialUpPanel() {
  RegisterBuiltInPanel(kDialUpSnapIn,
                       [](ISnapInHost& host) -> TSnapInPanel* { return new TfrDialup(host); });
}

}  // namespace tolvex

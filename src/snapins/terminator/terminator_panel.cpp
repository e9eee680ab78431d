// The shutdown panel.
#include "snapins/terminator/terminator_panel.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "controls/action.h"
#include "controls/button.h"
#include "controls/image_list.h"
#include "shared/message_dialog.h"
#include "snapins/terminator/terminator_properties.h"
#include "snapins/terminator/terminator_settings.h"
#include "snapins/terminator/terminator_texts.h"

namespace tolvex {

namespace {

using platform::SessionRequest;

constexpr int kShutdown = 1;
constexpr int kReboot = 2;
constexpr int kLogOff = 3;
constexpr int kForceShutdown = 4;
constexpr int kDisconnect = 5;

// The x of each button; the disconnect button moves to the emergency
// button's place in a remote session.
constexpr std::array<int, 5> kButtonLeft = {1, 23, 45, 67, 89};

platform::ISession& Session() {
  return platform::Session();
}

}  // namespace

TfrTerminator::TfrTerminator(ISnapInHost& host) : TSnapInPanel(host) {
  setObjectName(QStringLiteral("frTerminator"));
  resize(width(), kHeight);
  CreateActions();
  CreateButtons();
  CreateMenu();
}

void TfrTerminator::CreateActions() {
  ilImages_ = new TtxImageList(QSize(kTerminatorImageSize, kTerminatorImageSize), this);
  for (int i = 0; i < kTerminatorImageCount; ++i) {
    ilImages_->Add(TerminatorImage(static_cast<TTerminatorImage>(i)));
  }
  alActions_ = new TtxActionList(this);
  alActions_->SetImages(ilImages_);
  using Execute = void (TfrTerminator::*)();
  const std::array<Execute, 5> executes = {
      &TfrTerminator::acShutdownExecute, &TfrTerminator::acRebootExecute,
      &TfrTerminator::acLogOffExecute, &TfrTerminator::acForceShutdownExecute,
      &TfrTerminator::acDisconnectExecute};
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    const TTerminatorActionText& text = kTerminatorActions[i];
    actions_[i] = new TtxAction(QString::fromUtf8(text.caption), alActions_);
    actions_[i]->SetHint(QString::fromUtf8(text.hint));
    actions_[i]->SetImageIndex(text.image);
    connect(actions_[i], &QAction::triggered, this, executes[i]);
  }
  acProperties_ = new TtxAction(QString::fromUtf8(kPropertiesCaption), alActions_);
  connect(acProperties_, &QAction::triggered, this, &TfrTerminator::acPropertiesExecute);
}

void TfrTerminator::CreateButtons() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    TrButton* button = new TrButton(this);
    TtxAction* action = actions_[i];
    button->setGeometry(kButtonLeft[i], 1, kButtonSize, kButtonSize);
    // Image buttons without a caption: the action gives image, hint, state
    // and click, but its caption belongs to the menu.
    button->SetImageList(ilImages_);
    button->SetImageIndex(action->ImageIndex());
    button->SetHint(action->Hint());
    button->SetShowHint(true);
    const auto follow = [button, action] {
      button->setEnabled(action->isEnabled());
      button->setVisible(action->isVisible());
    };
    follow();
    connect(action, &QAction::changed, button, follow);
    connect(button, &TrButton::Clicked, action, &QAction::trigger);
    buttons_[i] = button;
  }
  buttons_[0]->setObjectName(QStringLiteral("btShutdown"));
  buttons_[1]->setObjectName(QStringLiteral("btReboot"));
  buttons_[2]->setObjectName(QStringLiteral("btLogOff"));
  buttons_[3]->setObjectName(QStringLiteral("btForceShutdown"));
  buttons_[4]->setObjectName(QStringLiteral("btDisconnect"));
}

void TfrTerminator::CreateMenu() {
  pmTerminator_ = new QMenu(this);
  for (TtxAction* action : actions_) pmTerminator_->addAction(action);
  pmTerminator_->addSeparator();
  pmTerminator_->addAction(acProperties_);
  pmTerminator_->addSeparator();
}

void TfrTerminator::Start() {
  Host().AddBarSubmenu(*pmTerminator_);
  const bool remote = Session().IsRemoteSession();
  btDisconnect()->move(remote ? kButtonLeft[kForceShutdown - 1] : kButtonLeft[kDisconnect - 1], 1);
  acDisconnect()->setVisible(remote);
  acForceShutdown()->setVisible(!remote);
  RefreshModes();
}

void TfrTerminator::RefreshModes() {
  const TtxIniFile& config = Host().ConfigFile();
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    actions_[i]->setEnabled(ReadButtonMode(config, static_cast<int>(i) + 1) != bmLocked);
  }
}

void TfrTerminator::contextMenuEvent(QContextMenuEvent* event) {
  pmTerminator_->popup(event->globalPos());
}

bool TfrTerminator::Ask(int number) {
  switch (ReadButtonMode(Host().ConfigFile(), number)) {
    case bmRunWithoutAsking:
      return true;
    case bmLocked:
      return false;
    case bmAskFirst:
      break;
  }
  return ShowMessageDlg(QString::fromUtf8(kQuestionHeadline),
                        QString::fromUtf8(kTerminatorActions[number - 1].question),
                        MessageKind::Confirmation, mbYes | mbNo) == mrYes;
}

void TfrTerminator::SwitchLockKeysOff() {
  if (!ReadLightsOut(Host().ConfigFile())) return;
  for (platform::LockKey key :
       {platform::LockKey::ScrollLock, platform::LockKey::CapsLock, platform::LockKey::NumLock}) {
    if (Session().IsLockKeyOn(key)) Session().SwitchLockKeyOff(key);
  }
}

bool TfrTerminator::ObtainPrivilege(SessionRequest request) {
  if (Session().ObtainPrivilege(request)) return true;
  ShowMessageDlg(QString::fromUtf8(kNoPrivilegeHeadline), QString::fromUtf8(kNoPrivilegeText),
                 MessageKind::Warning, mbOk);
  return false;
}

void TfrTerminator::CloseBar() {
  // Posted: the bar's close frees its elements, this panel among them.
  QMetaObject::invokeMethod(Host().Bar().window(), &QWidget::close, Qt::QueuedConnection);
}

void TfrTerminator::acShutdownExecute() {
  if (!Ask(kShutdown)) return;
  SwitchLockKeysOff();
  if (!ObtainPrivilege(SessionRequest::PowerOff)) return;
  if (Session().Request(SessionRequest::PowerOff)) CloseBar();
}

void TfrTerminator::acRebootExecute() {
  if (!Ask(kReboot)) return;
  if (!ObtainPrivilege(SessionRequest::Reboot)) return;
  if (Session().Request(SessionRequest::Reboot)) CloseBar();
}

void TfrTerminator::acLogOffExecute() {
  if (!Ask(kLogOff)) return;
  if (Session().Request(SessionRequest::LogOff)) CloseBar();
}

void TfrTerminator::acForceShutdownExecute() {
  if (!Ask(kForceShutdown)) return;
  SwitchLockKeysOff();
  if (!ObtainPrivilege(SessionRequest::ForcedPowerOff)) return;
  if (!Session().DropNetworkDrives()) {
    ShowMessageDlg(QString::fromUtf8(kNetworkHeadline), QString::fromUtf8(kNetworkText),
                   MessageKind::Warning, mbOk);
    return;
  }
  if (Session().Request(SessionRequest::ForcedPowerOff)) CloseBar();
}

void TfrTerminator::acDisconnectExecute() {
  if (!Ask(kDisconnect)) return;
  SwitchLockKeysOff();
  if (!ObtainPrivilege(SessionRequest::Disconnect)) return;
  Session().Request(SessionRequest::Disconnect);
}

void TfrTerminator::acPropertiesExecute() {
  TwTerminatorProperties dialog(*this, Host().ConfigFile());
  connect(&dialog, &TwTerminatorProperties::Applied, this, &TfrTerminator::RefreshModes);
  if (dialog.Run() == mrOk) RefreshModes();
}

}  // namespace tolvex

// The media-player remote panel.
#include "snapins/amp/amp_panel.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSlider>

#include "app/builtin_panels.h"
#include "app/ini_file.h"
#include "controls/action.h"
#include "controls/button.h"
#include "controls/image_list.h"
#include "platform/shell.h"
#include "shared/file_dialog.h"
#include "shared/message_dialog.h"
#include "snapins/amp/amp_artwork.h"

namespace tolvex {

namespace {

using platform::PlayerCommand;

constexpr int kAmpSnapIn = 2;
const QString kSection = QStringLiteral("tolvexAmp");
const QString kVolumeKey = QStringLiteral("Volume");
const QString kProgramKey = QStringLiteral("Winamp");
constexpr int kDefaultVolume = 125;
constexpr int kButtonSize = 16;
constexpr int kSliderTop = 17;
constexpr int kSliderWidth = 97;
constexpr int kSliderHeight = 17;
constexpr int kSliderPage = 20;

struct TAmpAction {
  const char* name;
  const char* hint;
  const char* caption;
  int image;
};

// In the order of the buttons from the left and of the context menu.
constexpr std::array<TAmpAction, TfrAmpControl::kActionCount> kActions = {{
    {"acPrev", "Vorheriger Titel", "&Voriger Titel", aiPrevious},
    {"acPlay", "Abspielen/Wiedergabe", "&Abspielen/Wiedergabe", aiPlay},
    {"acPause", "Pause", "&Pause", aiPause},
    {"acStop", "Stop", "&Stop", aiStop},
    {"acNext", "Nächster Titel", "&Nächster Titel", aiNext},
    {"acLaunch", "Winamp starten", "&Winamp starten", aiLaunch},
}};
constexpr std::array<PlayerCommand, 5> kCommands = {PlayerCommand::Previous, PlayerCommand::Play,
                                                    PlayerCommand::Pause, PlayerCommand::Stop,
                                                    PlayerCommand::Next};

}  // namespace

TfrAmpControl::TfrAmpControl(ISnapInHost& host) : TSnapInPanel(host) {
  setObjectName(QStringLiteral("frAmpControl"));
  resize(width(), kHeight);
  CreateActions();
  CreateButtons();
  CreateSlider();
}

void TfrAmpControl::CreateActions() {
  ilImages_ = new TtxImageList(QSize(kButtonSize, kButtonSize), this);
  for (int image = 0; image < kAmpImageCount; ++image) ilImages_->Add(AmpImage(image));
  alActions_ = new TtxActionList(this);
  alActions_->SetImages(ilImages_);
  pmAmp_ = new QMenu(this);
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    const TAmpAction& entry = kActions[i];
    TtxAction* action = new TtxAction(QString::fromUtf8(entry.caption), alActions_);
    action->setObjectName(QString::fromUtf8(entry.name));
    action->SetHint(QString::fromUtf8(entry.hint));
    action->SetImageIndex(entry.image);
    if (i < kCommands.size()) {
      connect(action, &QAction::triggered, this, [this, i] { SendCommand(kCommands[i]); });
    } else {
      connect(action, &QAction::triggered, this, &TfrAmpControl::acLaunchExecute);
    }
    pmAmp_->addAction(action);
    actions_[i] = action;
  }
  pmAmp_->addSeparator();
}

void TfrAmpControl::CreateButtons() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    TrButton* button = new TrButton(this);
    TtxAction* action = actions_[i];
    button->setObjectName(QStringLiteral("bt") + action->objectName().mid(2));
    button->setGeometry(1 + int(i) * kButtonSize, 1, kButtonSize, kButtonSize);
    // Buttons without a caption: the action gives image, hint and click.
    button->SetImageList(ilImages_);
    button->SetImageIndex(action->ImageIndex());
    button->SetHint(action->Hint());
    button->SetShowHint(true);
    button->SetPopupMenu(pmAmp_);
    connect(button, &TrButton::Clicked, action, &QAction::trigger);
    buttons_[i] = button;
  }
}

void TfrAmpControl::CreateSlider() {
  tbVolume_ = new QSlider(Qt::Horizontal, this);
  tbVolume_->setObjectName(QStringLiteral("tbVolume"));
  tbVolume_->setGeometry(0, kSliderTop, kSliderWidth, kSliderHeight);
  tbVolume_->setRange(0, platform::kMaxPlayerVolume);
  tbVolume_->setPageStep(kSliderPage);
  tbVolume_->setTickPosition(QSlider::NoTicks);
  tbVolume_->setFocusPolicy(Qt::ClickFocus);
  tbVolume_->setToolTip(QStringLiteral("Lautstärke"));
  // The slider has no menu of its own; the panel's shows on it too.
  tbVolume_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tbVolume_, &QSlider::customContextMenuRequested, this,
          [this](const QPoint& pos) { pmAmp_->popup(tbVolume_->mapToGlobal(pos)); });
  connect(tbVolume_, &QSlider::valueChanged, this, &TfrAmpControl::tbVolumeChange);
}

void TfrAmpControl::Start() {
  Host().AddBarSubmenu(*pmAmp_);
  TtxIniFile& config = Host().ConfigFile();
  platform::MediaPlayer().PreferProgram(
      config.ReadString(kSection, kProgramKey, QString()).toStdString());
  tbVolume_->setValue(config.ReadInteger(kSection, kVolumeKey, kDefaultVolume));
}

void TfrAmpControl::SaveSettings() {
  Host().ConfigFile().WriteInteger(kSection, kVolumeKey, tbVolume_->value());
}

void TfrAmpControl::SendCommand(PlayerCommand command) {
  platform::IMediaPlayer& player = platform::MediaPlayer();
  if (!player.PlayerExists()) acLaunchExecute();
  // A player just started has rarely come up yet; then the command is lost.
  if (player.PlayerExists()) player.SendCommand(command);
}

void TfrAmpControl::acLaunchExecute() {
  platform::IMediaPlayer& player = platform::MediaPlayer();
  if (player.PlayerExists()) {
    player.Restore();
    return;
  }
  TtxIniFile& config = Host().ConfigFile();
  QString program = config.ReadString(kSection, kProgramKey, QString());
  const bool stored = QFileInfo(program).isFile();
  if (!stored) {
    // The pattern "*.exe" lists the programs of this system besides the
    // named file, so any player can be chosen.
    program = ExecOpenFileDialog(
        this, {QStringLiteral("Winamp suchen"),
               QStringLiteral("Winamp-Programmdatei|winamp.exe;*.exe"), QString(), program});
  }
  if (QFileInfo(program).isFile()) {
    player.PreferProgram(program.toStdString());
    if (!stored) config.WriteString(kSection, kProgramKey, program);
    if (!platform::Shell().Open(program.toStdString(), {}, {}, platform::ShowNormal)) {
      ShowMessageDlgFmt(QStringLiteral("Winamp starten"),
                        QStringLiteral("Das Programm \"%s\" konnte nicht gestartet werden."),
                        {program}, MessageKind::Error, mbOk, 0);
    }
  }
  if (player.PlayerExists()) player.SetVolume(tbVolume_->value());
}

void TfrAmpControl::tbVolumeChange() {
  platform::IMediaPlayer& player = platform::MediaPlayer();
  if (player.PlayerExists()) player.SetVolume(tbVolume_->value());
}

void TfrAmpControl::contextMenuEvent(QContextMenuEvent* event) {
  pmAmp_->exec(event->globalPos());
}

void RegisterAmpPanel() {
  RegisterBuiltInPanel(kAmpSnapIn,
                       [](ISnapInHost& host) -> TSnapInPanel* { return new TfrAmpControl(host); });
}

}  // namespace tolvex

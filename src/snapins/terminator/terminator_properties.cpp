// The shutdown panel's settings dialog.
#include "snapins/terminator/terminator_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "shared/modal.h"
#include "shared/placement.h"
#include "snapins/terminator/terminator_artwork.h"
#include "snapins/terminator/terminator_texts.h"

namespace tolvex {

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 300;
constexpr int kRowHeight = 31;

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

TwTerminatorProperties::TwTerminatorProperties(QWidget& panel, TtxIniFile& config)
    : TwTxDialog(&panel, kWidth, kHeight), panel_(panel), config_(config) {
  setObjectName(QStringLiteral("wTerminatorProperties"));
  setWindowTitle(Text(kPropertiesTitle));
  pcPages_ = new QTabWidget(this);
  pcPages_->setObjectName(QStringLiteral("pcPages"));
  pcPages_->setGeometry(6, 6, kWidth - 12, kHeight - 47);
  pcPages_->addTab(CreateOptionsPage(), Text(kOptionsPage));
  pcPages_->addTab(CreateSettingsPage(), Text(kSettingsPage));
  pcPages_->setCurrentIndex(0);
  CreateButtons();

  const TTerminatorSettings settings = ReadTerminatorSettings(config_);
  for (int i = 0; i < kTerminatorActionCount; ++i) {
    cbButtons_[i]->setCurrentIndex(settings.modes[i]);
    connect(cbButtons_[i], &QComboBox::currentIndexChanged, this, [this] { SetChanged(true); });
  }
  cbLightsOut_->setChecked(settings.lightsOut);
  connect(cbLightsOut_, &QCheckBox::toggled, this, [this] { SetChanged(true); });
  SetChanged(false);
}

QWidget* TwTerminatorProperties::CreateOptionsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tsOptions"));
  auto* group = new QGroupBox(Text(kButtonsGroup), page);
  group->setObjectName(QStringLiteral("gbButtons"));
  group->setGeometry(6, 6, kWidth - 32, 18 + kTerminatorActionCount * kRowHeight);
  for (int i = 0; i < kTerminatorActionCount; ++i) {
    const TTerminatorActionText& text = kTerminatorActions[i];
    const int y = 20 + i * kRowHeight;
    auto* image = new QLabel(group);
    image->setPixmap(TerminatorImage(text.image));
    image->setGeometry(10, y + 5, kTerminatorImageSize, kTerminatorImageSize);
    auto* label = new QLabel(Text(text.modeLabel), group);
    label->setGeometry(32, y, 250, 14);
    auto* list = new QComboBox(group);
    list->setObjectName(QStringLiteral("cbButton%1").arg(i + 1));
    for (const char* item : kModeItems) list->addItem(Text(item));
    list->setGeometry(32, y + 14, 200, 18);
    label->setBuddy(list);
    cbButtons_[i] = list;
  }
  return page;
}

QWidget* TwTerminatorProperties::CreateSettingsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tsSettings"));
  auto* group = new QGroupBox(Text(kGeneralGroup), page);
  group->setObjectName(QStringLiteral("gbGeneral"));
  group->setGeometry(6, 6, kWidth - 32, 48);
  cbLightsOut_ = new QCheckBox(Text(kLightsOutCaption), group);
  cbLightsOut_->setObjectName(QStringLiteral("cbLightsOut"));
  cbLightsOut_->setGeometry(10, 20, 280, 18);
  return page;
}

void TwTerminatorProperties::CreateButtons() {
  const int y = kHeight - 33;
  const auto button = [this, y](const char* caption, const char* name, int x) {
    auto* result = new QPushButton(Text(caption), this);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, y, 75, 25);
    return result;
  };
  btOk_ = button(kOk, "btOk", kWidth - 246);
  btCancel_ = button(kCancel, "btCancel", kWidth - 164);
  btApply_ = button(kApply, "btApply", kWidth - 82);
  btOk_->setDefault(true);
  btOk_->setProperty(kModalResultProperty, int(mrOk));
  btCancel_->setProperty(kModalResultProperty, int(mrCancel));
  SetCancelButton(btCancel_);
  connect(btOk_, &QPushButton::clicked, this, [this] {
    Apply();
    done(mrOk);
  });
  connect(btCancel_, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(btApply_, &QPushButton::clicked, this, &TwTerminatorProperties::Apply);
}

void TwTerminatorProperties::SetChanged(bool changed) {
  changed_ = changed;
  btApply_->setEnabled(changed);
}

void TwTerminatorProperties::Apply() {
  if (!changed_) return;
  TTerminatorSettings settings;
  for (int i = 0; i < kTerminatorActionCount; ++i) {
    settings.modes[i] = static_cast<TButtonMode>(cbButtons_[i]->currentIndex());
  }
  settings.lightsOut = cbLightsOut_->isChecked();
  WriteTerminatorSettings(config_, settings);
  emit Applied();
  SetChanged(false);
}

int TwTerminatorProperties::Run() {
  const QPoint corner = panel_.mapToGlobal(QPoint(panel_.width(), 0));
  move(PullBackFromRightBottom(corner, OuterSize(*this)));
  return ExecModal(*this);
}

}  // namespace tolvex

// The clock's settings dialog.
#include "snapins/clock/clock_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

#include "app/ini_file.h"
#include "shared/modal.h"
#include "snapins/clock/clock_font.h"
#include "snapins/clock/clock_settings.h"
#include "snapins/clock/time_sync.h"

namespace tolvex {

namespace {

constexpr int kWidth = 341;
constexpr int kHeight = 210;
constexpr int kComboHeight = 21;
constexpr int kLineTops[] = {64, 88, 112};

const QStringList kDblClickEntries = {
    QStringLiteral("< keine Aktion >"), QStringLiteral("Datum/Uhrzeit ändern"),
    QStringLiteral("Zeit synchronisieren"), QStringLiteral("Jahreskalender anzeigen"),
    QStringLiteral("Anzeige wechseln")};
const QStringList kLayoutEntries = {QStringLiteral("Standard"), QStringLiteral("Kompakt"),
                                    QStringLiteral("Monatsansicht"),
                                    QStringLiteral("Benutzerdefiniert")};
const QStringList kKindEntries = {QStringLiteral("leer"), QStringLiteral("Zeit"),
                                  QStringLiteral("Datum"), QStringLiteral("Extras")};

// The formats a line of each kind offers, the first one shown after a
// change of kind.
QStringList FormatsOf(int kind) {
  switch (kind) {
    case lkTime:
      return {QStringLiteral("hh:nn:ss"), QStringLiteral("hh:nn")};
    case lkDate:
      return {QStringLiteral("ddd., d. mmm. yyyy"), QStringLiteral("dd.mm.yyyy"),
              QStringLiteral("dd.mm.yy"), QStringLiteral("ddd., dd.mm.yyyy"),
              QStringLiteral("ddd., d. mmmm")};
    default:
      return {};
  }
}

QComboBox* NewList(QWidget* parent, const char* name, int x, int y, int width,
                   const QStringList& entries, bool editable = false) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->setEditable(editable);
  list->addItems(entries);
  list->setGeometry(x, y, width, kComboHeight);
  return list;
}

QLabel* NewLabel(QWidget* parent, const QString& text, int x, int y, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y + 3, label->sizeHint().width(), 14);
  label->setBuddy(buddy);
  return label;
}

QPushButton* NewButton(QWidget* parent, const QString& caption, const char* name, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TwTolvexClockSettings::TwTolvexClockSettings(QWidget* owner, TtxIniFile& config)
    : TwTxDialog(owner, kWidth, kHeight), config_(config) {
  setObjectName(QStringLiteral("wTolvexClockSettings"));
  setWindowTitle(QStringLiteral("Optionen"));
  setFont(ClockFont(font(), 11));
  pcPages_ = new QTabWidget(this);
  pcPages_->setObjectName(QStringLiteral("pcPages"));
  pcPages_->setGeometry(4, 5, 333, 168);
  pcPages_->addTab(CreateOptionsPage(), QStringLiteral("&Allgemein"));
  pcPages_->addTab(CreateSynchroPage(), QStringLiteral("S&ynchronisation"));
  pcPages_->setCurrentIndex(0);
  CreateButtons();

  const auto changed = [this] { SetChanged(true); };
  connect(cbDblClick_, &QComboBox::currentIndexChanged, this, changed);
  connect(cbLayout_, &QComboBox::currentIndexChanged, this, [this] {
    SetChanged(true);
    EnableLineControls();
  });
  for (int line = 0; line < 3; ++line) {
    connect(cbUserDef_[line], &QComboBox::currentIndexChanged, this, [this, line] {
      SetChanged(true);
      FillFormats(line);
    });
    connect(edUserDef_[line], &QComboBox::editTextChanged, this, changed);
  }
  connect(edServer_, &QLineEdit::textChanged, this, changed);
  connect(cbSyncOnRasConnect_, &QCheckBox::clicked, this, changed);
  connect(cbSyncOnStart_, &QCheckBox::clicked, this, changed);
  connect(btSynchro_, &QPushButton::clicked, this, &TwTolvexClockSettings::SynchroniseNow);
  SetChanged(false);
}

QWidget* TwTolvexClockSettings::CreateOptionsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tsOptions"));
  cbDblClick_ = NewList(page, "cbDblClick", 88, 8, 233, kDblClickEntries);
  NewLabel(page, QStringLiteral("&Doppelklick:"), 8, 8, cbDblClick_);
  cbLayout_ = NewList(page, "cbLayout", 88, 36, 233, kLayoutEntries);
  NewLabel(page, QStringLiteral("&Ansicht:"), 8, 36, cbLayout_);
  const char* kinds[] = {"cbUserDef1", "cbUserDef2", "cbUserDef3"};
  const char* formats[] = {"edUserDef1", "edUserDef2", "edUserDef3"};
  QWidget* previous = cbLayout_;
  setTabOrder(cbDblClick_, cbLayout_);
  for (int line = 0; line < 3; ++line) {
    const int y = kLineTops[line];
    cbUserDef_[line] = NewList(page, kinds[line], 128, y, 77, kKindEntries);
    edUserDef_[line] = NewList(page, formats[line], 212, y, 109, {}, true);
    txUserDef_[line] =
        NewLabel(page, QStringLiteral("Zeile &%1:").arg(line + 1), 88, y, cbUserDef_[line]);
    setTabOrder(previous, cbUserDef_[line]);
    setTabOrder(cbUserDef_[line], edUserDef_[line]);
    previous = edUserDef_[line];
  }
  return page;
}

QWidget* TwTolvexClockSettings::CreateSynchroPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tsSynchro"));
  edServer_ = new QLineEdit(page);
  edServer_->setObjectName(QStringLiteral("edServer"));
  edServer_->setGeometry(60, 8, 249, kComboHeight);
  NewLabel(page, QStringLiteral("&Server:"), 8, 8, edServer_);
  btSynchro_ =
      NewButton(page, QStringLiteral("Synchr&onisieren"), "btSynchro", QRect(216, 36, 95, 25));
  cbSyncOnRasConnect_ =
      new QCheckBox(QStringLiteral("&Nach Einwahl über DFÜ-Netzwerk autom. synchronisieren"), page);
  cbSyncOnRasConnect_->setObjectName(QStringLiteral("cbSyncOnRasConnect"));
  cbSyncOnRasConnect_->setGeometry(8, 68, 310, 17);
  cbSyncOnStart_ =
      new QCheckBox(QStringLiteral("Beim &Programmstart autom. synchronisieren"), page);
  cbSyncOnStart_->setObjectName(QStringLiteral("cbSyncOnStart"));
  cbSyncOnStart_->setGeometry(8, 88, 310, 17);
  return page;
}

void TwTolvexClockSettings::CreateButtons() {
  btOk_ = NewButton(this, QStringLiteral("Ok"), "btOk", QRect(100, 180, 75, 25));
  btCancel_ = NewButton(this, QStringLiteral("Abbrechen"), "btCancel", QRect(180, 180, 75, 25));
  btApply_ = NewButton(this, QStringLiteral("Übernehmen"), "btApply", QRect(260, 180, 75, 25));
  btOk_->setDefault(true);
  btOk_->setProperty(kModalResultProperty, int(mrOk));
  btCancel_->setProperty(kModalResultProperty, int(mrCancel));
  SetCancelButton(btCancel_);
  connect(btOk_, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(btCancel_, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(btApply_, &QPushButton::clicked, this, &TwTolvexClockSettings::Save);
}

void TwTolvexClockSettings::SetChanged(bool changed) {
  changed_ = changed;
  btApply_->setEnabled(changed);
}

void TwTolvexClockSettings::EnableLineControls() {
  const bool userDefined = cbLayout_->currentIndex() == 3;
  for (int line = 0; line < 3; ++line) {
    txUserDef_[line]->setEnabled(userDefined);
    cbUserDef_[line]->setEnabled(userDefined);
    edUserDef_[line]->setEnabled(userDefined);
  }
}

void TwTolvexClockSettings::FillFormats(int line) {
  QComboBox& field = *edUserDef_[line];
  field.clear();
  const QStringList formats = FormatsOf(cbUserDef_[line]->currentIndex());
  field.addItems(formats);
  field.setEditText(formats.isEmpty() ? QString() : formats.first());
}

void TwTolvexClockSettings::Load() {
  const TClockSettings settings = TClockSettings::Read(config_);
  edServer_->setText(settings.timeServer);
  cbSyncOnRasConnect_->setChecked(settings.syncOnRasConnect);
  cbSyncOnStart_->setChecked(settings.syncOnStart);
  const auto select = [](QComboBox& list, int index) {
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
  };
  select(*cbDblClick_, settings.dblClickAction);
  select(*cbLayout_, settings.layout);
  for (int line = 0; line < 3; ++line) cbUserDef_[line]->setCurrentIndex(settings.lines[line].kind);
  EnableLineControls();
  for (int line = 0; line < 3; ++line) {
    FillFormats(line);
    edUserDef_[line]->setEditText(settings.lines[line].format);
  }
  SetChanged(false);
}

void TwTolvexClockSettings::Save() {
  if (!changed_) return;
  using namespace clock_keys;
  TtxIniBatch batch(config_);
  config_.WriteString(kSection, kTimeServer, edServer_->text());
  config_.WriteBool(kSection, kSyncOnRasConnect, cbSyncOnRasConnect_->isChecked());
  config_.WriteBool(kSection, kSyncOnStart, cbSyncOnStart_->isChecked());
  // A list without a selection (the file held a number it does not offer)
  // keeps that number.
  if (cbDblClick_->currentIndex() >= 0) {
    config_.WriteInteger(kSection, kDblClickAction, cbDblClick_->currentIndex());
  }
  if (cbLayout_->currentIndex() >= 0) {
    config_.WriteInteger(kSection, kLayout, cbLayout_->currentIndex());
  }
  QString kinds;
  for (const QComboBox* kind : cbUserDef_)
    kinds += QString::number(std::max(0, kind->currentIndex()));
  config_.WriteString(kSection, kUserDef, kinds);
  for (int line = 0; line < 3; ++line) {
    config_.WriteString(kSection, kUserDef + QString::number(line + 1),
                        edUserDef_[line]->currentText());
  }
  batch.Commit();
  emit Saved();
  SetChanged(false);
}

bool TwTolvexClockSettings::Execute() {
  Load();
  const bool ok = ExecModal(*this) == mrOk;
  if (ok) Save();
  return ok;
}

void TwTolvexClockSettings::SynchroniseNow() {
  // The server as typed, saved or not.
  idTime_.Host = edServer_->text().toStdString();
  Synchronise(idTime_, true, this);
}

}  // namespace tolvex

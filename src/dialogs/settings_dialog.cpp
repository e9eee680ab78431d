// The settings dialog: the form, loading and applying, and the operations
// the bar calls.
#include "dialogs/settings_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/bar_window.h"
#include "app/layout_edit.h"
#include "dialogs/form_controls.h"
#include "shared/modal.h"
#include "shared/placement.h"
#include "shared/project_info.h"

namespace tolvex {
namespace {

const QString kSystem = QStringLiteral("System");

QCheckBox* NewCheckBox(const QString& caption, QWidget* parent, const QRect& geometry) {
  auto* box = new QCheckBox(caption, parent);
  box->setGeometry(geometry);
  return box;
}

// A button that shows and performs `action`.
void NewActionButton(QAction* action, QWidget* parent, const QRect& geometry) {
  QPushButton* button = NewButton(action->text(), parent, geometry);
  button->setEnabled(action->isEnabled());
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  QObject::connect(action, &QAction::changed, button,
                   [button, action] { button->setEnabled(action->isEnabled()); });
}

}  // namespace

TwTolvexSettings::TwTolvexSettings(TwTolvexDesktop& bar) : TwTxDialog(&bar, 403, 441), bar_(bar) {
  setWindowTitle(QStringLiteral("Einstellungen"));
  CreateActions();
  pcSettings_ = new QTabWidget(this);
  pcSettings_->setGeometry(8, 8, 387, 393);
  pcSettings_->addTab(CreateOptionsPage(), QStringLiteral("Optionen"));
  pcSettings_->addTab(CreateElementsPage(), QStringLiteral("Elemente"));
  pcSettings_->setCurrentIndex(0);

  AddOkCancel(*this, 160, 410);
  btApply_ = NewButton(QStringLiteral("Übernehmen"), this, QRect(320, 410, 75, 25));
  btApply_->setEnabled(false);
  connect(btApply_, &QPushButton::clicked, this, [this] { ApplySettings(true); });

  move(BesideOwner(bar_, OuterSize(*this)));
}

QWidget* TwTolvexSettings::CreateOptionsPage() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(QStringLiteral("Anzeige"), page);
  group->setGeometry(8, 8, 365, 113);
  cbStayOnTop_ =
      NewCheckBox(QStringLiteral("&Immer im Vordergrund"), group, QRect(12, 20, 340, 18));
  cbTaskbar_ =
      NewCheckBox(QStringLiteral("Als &Taskleiste anzeigen"), group, QRect(12, 42, 340, 18));
  cbAutoHide_ =
      NewCheckBox(QStringLiteral("&Automatisch im Hintergrund"), group, QRect(30, 64, 322, 18));
  cbTaskEntry_ =
      NewCheckBox(QStringLiteral("In &Windows-Taskleiste anzeigen"), group, QRect(30, 86, 322, 18));

  rgAusrichtung_ = new QGroupBox(QStringLiteral("Ausrichtung"), page);
  rgAusrichtung_->setGeometry(8, 128, 365, 66);
  rbLinks_ = new QRadioButton(QStringLiteral("&linker Bildschirmrand"), rgAusrichtung_);
  rbLinks_->setGeometry(12, 20, 340, 18);
  rbRechts_ = new QRadioButton(QStringLiteral("&rechter Bildschirmrand"), rgAusrichtung_);
  rbRechts_->setGeometry(12, 40, 340, 18);

  for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
           cbStayOnTop_, cbTaskbar_, cbAutoHide_, cbTaskEntry_, rbLinks_, rbRechts_}) {
    connect(option, &QAbstractButton::clicked, this, &TwTolvexSettings::SetModified);
  }
  connect(cbTaskbar_, &QCheckBox::clicked, this, &TwTolvexSettings::RefreshOptionDependencies);

  btInfo_ = NewButton(QStringLiteral("Info..."), page, QRect(8, 330, 75, 25));
  connect(btInfo_, &QPushButton::clicked, this, [this] {
    if (bar_.piTolvexBar() != nullptr) bar_.piTolvexBar()->ShowAbout();
  });
  return page;
}

QWidget* TwTolvexSettings::CreateElementsPage() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(QStringLiteral("Elemente der Leiste"), page);
  group->setGeometry(8, 8, 365, 347);
  lbElemente_ = new QListWidget(group);
  lbElemente_->setGeometry(12, 22, 242, 313);
  lbElemente_->setSelectionMode(QAbstractItemView::SingleSelection);
  lbElemente_->installEventFilter(this);
  connect(lbElemente_, &QListWidget::itemSelectionChanged, this, &TwTolvexSettings::RefreshActions);
  connect(lbElemente_, &QListWidget::itemDoubleClicked, this,
          [this] { acElementProperties_->trigger(); });
  NewActionButton(acNewElement_, group, QRect(264, 22, 89, 25));
  NewActionButton(acElementProperties_, group, QRect(264, 54, 89, 25));
  NewActionButton(acDeleteElement_, group, QRect(264, 86, 89, 25));
  NewActionButton(acMoveUp_, group, QRect(264, 134, 89, 25));
  NewActionButton(acMoveDown_, group, QRect(264, 166, 89, 25));
  return page;
}

bool TwTolvexSettings::ExecuteSettings(int page) {
  if (page == 0 || page == 1) pcSettings_->setCurrentIndex(page);
  LoadSettings(true);
  if (ExecModal(*this) != mrOk) return false;
  ApplySettings(true);
  return true;
}

bool TwTolvexSettings::ExecuteNewElement() {
  LoadSettings(false);
  acNewElementExecute();
  const bool changed = elementsChanged_;
  if (changed) ApplySettings(false);
  return changed;
}

bool TwTolvexSettings::ExecuteElementProperties(int index) {
  LoadSettings(false);
  SelectRow(index);
  acElementPropertiesExecute();
  const bool changed = elementsChanged_;
  if (changed) ApplySettings(false);
  return changed;
}

bool TwTolvexSettings::ExecuteDeleteElement(int index) {
  LoadSettings(false);
  if (index < 0 || index >= elements_.Count()) return false;
  // The same operation as the bar's own delete: the file is changed in one
  // atomic write, then the bar rebuilds from it.
  DeleteLayoutElement(bar_.LayoutFile().FileName(), index);
  bar_.BuildElements(0);
  return true;
}

void TwTolvexSettings::LoadSettings(bool withOptions) {
  TtxIniFile& config = bar_.ConfigFile();
  if (withOptions) {
    cbStayOnTop_->setChecked(config.ReadBool(kSystem, "StayOnTop", true));
    // The bar writes "Taskbar" only when it changes, so a missing key means
    // the state the bar is in.
    cbTaskbar_->setChecked(config.ReadBool(kSystem, "Taskbar", bar_.IsDocked()));
    cbAutoHide_->setChecked(config.ReadBool(kSystem, "AutoHide", false));
    cbTaskEntry_->setChecked(config.ReadBool(kSystem, "ShowTaskEntry", false));
    storedAlignment_ = config.ReadInteger(kSystem, "Alignment", 0);
    // An unknown value checks neither item.
    rbLinks_->setAutoExclusive(false);
    rbRechts_->setAutoExclusive(false);
    rbLinks_->setChecked(storedAlignment_ == 0);
    rbRechts_->setChecked(storedAlignment_ == 1);
    rbLinks_->setAutoExclusive(true);
    rbRechts_->setAutoExclusive(true);
  }
  elements_.LoadFromFile(bar_.LayoutFile().FileName());
  lbElemente_->clear();
  for (int i = 0; i < elements_.Count(); ++i) {
    const TTolvexElement& element = elements_.Items(i);
    lbElemente_->addItem(element.ElementKind == TTolvexElementKind::ekLauncher ? element.Name
                                                                               : element.SnapIn);
  }
  RefreshActions();
  if (withOptions) RefreshOptionDependencies();
  elementsChanged_ = false;
  btApply_->setEnabled(false);
}

void TwTolvexSettings::ApplySettings(bool withOptions) {
  TtxIniFile& config = bar_.ConfigFile();
  if (withOptions) {
    config.WriteBool(kSystem, "AutoHide", cbAutoHide_->isChecked());
    bar_.SetAutoHideState(cbAutoHide_->isChecked());
    config.WriteBool(kSystem, "StayOnTop", cbStayOnTop_->isChecked());
    bar_.SetStayOnTop(cbStayOnTop_->isChecked());
    // Docking reads the alignment from the file, so it is written first.
    const int alignment = AlignmentIndex();
    config.WriteInteger(kSystem, "Alignment", alignment >= 0 ? alignment : storedAlignment_);
    config.WriteBool(kSystem, "Taskbar", cbTaskbar_->isChecked());
    bar_.SetDocked(cbTaskbar_->isChecked());
    config.WriteBool(kSystem, "ShowTaskEntry", cbTaskEntry_->isChecked());
    bar_.SetTaskEntry(cbTaskEntry_->isChecked() ? abtShow : abtFloatDependent);
    bar_.RefreshPlacement();
  }
  if (elementsChanged_) {
    elements_.SaveToFile(bar_.LayoutFile().FileName());
    bar_.BuildElements(0);
  }
  if (withOptions) RefreshOptionDependencies();
  elementsChanged_ = false;
  btApply_->setEnabled(false);
}

void TwTolvexSettings::SetModified() {
  btApply_->setEnabled(true);
}

void TwTolvexSettings::RefreshOptionDependencies() {
  const bool docked = cbTaskbar_->isChecked();
  cbAutoHide_->setEnabled(docked);
  cbTaskEntry_->setEnabled(docked);
  rgAusrichtung_->setEnabled(docked);
}

int TwTolvexSettings::AlignmentIndex() const {
  if (rbLinks_->isChecked()) return 0;
  if (rbRechts_->isChecked()) return 1;
  return -1;
}

}  // namespace tolvex

// The element properties dialog.
#include "dialogs/properties_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "dialogs/form_controls.h"
#include "dialogs/icon_list_box.h"
#include "dialogs/program_file_dialog.h"
#include "shared/file_dialog.h"
#include "shared/modal.h"
#include "shared/placement.h"

namespace tolvex {
namespace {

constexpr int kFieldLeft = 104;
constexpr int kFieldWidth = 265;

}  // namespace

TwTolvexProperties::TwTolvexProperties(QWidget* owner) : TwTxDialog(owner, 404, 441) {
  pcSettings_ = new QTabWidget(this);
  pcSettings_->setGeometry(8, 8, 388, 393);
  pcSettings_->addTab(CreateShortcutPage(), QStringLiteral("Verknüpfung"));
  pcSettings_->addTab(CreateIconPage(), QStringLiteral("Symbol"));
  pcSettings_->setCurrentIndex(0);

  AddOkCancel(*this, 241, 410);

  if (owner != nullptr) move(BesideOwner(*owner->window(), OuterSize(*this)));
}

QWidget* TwTolvexProperties::CreateShortcutPage() {
  auto* page = new QWidget;
  edName_ = NewEdit(page, QRect(kFieldLeft, 8, kFieldWidth, 21));
  NewLabel(QStringLiteral("&Name:"), page, QPoint(8, 12), edName_);
  edBeschreibung_ = NewEdit(page, QRect(kFieldLeft, 36, kFieldWidth, 21));
  NewLabel(QStringLiteral("&Beschreibung"), page, QPoint(8, 40), edBeschreibung_);
  NewLabel(QStringLiteral("Symbolgröße:"), page, QPoint(8, 68));
  rbSymbolKlein_ = new QRadioButton(QStringLiteral("&klein (16 x 16)"), page);
  rbSymbolKlein_->setGeometry(kFieldLeft, 66, kFieldWidth, 18);
  rbSymbolGross_ = new QRadioButton(QStringLiteral("&groß (32 x 32)"), page);
  rbSymbolGross_->setGeometry(kFieldLeft, 86, kFieldWidth, 18);

  auto* line = new QFrame(page);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, 112, 361, 2);

  edZiel_ = NewEdit(page, QRect(kFieldLeft, 124, 180, 21));
  NewLabel(QStringLiteral("&Ziel:"), page, QPoint(8, 128), edZiel_);
  btZiel_ = NewButton(QStringLiteral("Durchsuchen..."), page, QRect(290, 122, 79, 25));
  connect(btZiel_, &QPushButton::clicked, this, &TwTolvexProperties::btZielClick);
  edParameter_ = NewEdit(page, QRect(kFieldLeft, 152, kFieldWidth, 21));
  NewLabel(QStringLiteral("&Parameter:"), page, QPoint(8, 156), edParameter_);
  edVerzeichnis_ = NewEdit(page, QRect(kFieldLeft, 180, kFieldWidth, 21));
  NewLabel(QStringLiteral("Arbeits&verzeichnis:"), page, QPoint(8, 184), edVerzeichnis_);
  cbShow_ = new QComboBox(page);
  cbShow_->setGeometry(kFieldLeft, 208, kFieldWidth, 21);
  cbShow_->addItems({QStringLiteral("Normales Fenster"), QStringLiteral("Minimiert"),
                     QStringLiteral("Maximiert")});
  NewLabel(QStringLiteral("&Ausführen:"), page, QPoint(8, 212), cbShow_);
  return page;
}

QWidget* TwTolvexProperties::CreateIconPage() {
  auto* page = new QWidget;
  edSymboldatei_ = NewEdit(page, QRect(8, 30, 270, 21));
  edSymboldatei_->installEventFilter(this);
  NewLabel(QStringLiteral("&Symboldatei:"), page, QPoint(8, 12), edSymboldatei_);
  btSymboldatei_ = NewButton(QStringLiteral("Durchsuchen..."), page, QRect(284, 28, 85, 25));
  connect(btSymboldatei_, &QPushButton::clicked, this, &TwTolvexProperties::btSymboldateiClick);
  lbSymbole_ = new TrIconListBox(page);
  lbSymbole_->setGeometry(8, 82, 257, 61);
  NewLabel(QStringLiteral("S&ymbol:"), page, QPoint(8, 64), lbSymbole_);
  return page;
}

bool TwTolvexProperties::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edSymboldatei_ && event->type() == QEvent::FocusOut) {
    lbSymbole_->SetFileName(edSymboldatei_->text());
  }
  return TwTxDialog::eventFilter(watched, event);
}

bool TwTolvexProperties::ExecuteProperties(TTolvexElement& element) {
  Fill(element);
  if (ExecModal(*this) != mrOk) return false;
  WriteBack(element);
  return true;
}

void TwTolvexProperties::Fill(const TTolvexElement& element) {
  setWindowTitle(QStringLiteral("Eigenschaften von ") + element.Name);
  edName_->setText(element.Name);
  edBeschreibung_->setText(element.Description);
  edZiel_->setText(element.Target);
  edParameter_->setText(element.Parameters);
  edVerzeichnis_->setText(element.WorkingDir);
  const bool large = element.Size == ls32 || element.Size == ls48 || element.Size == ls64;
  (large ? rbSymbolGross_ : rbSymbolKlein_)->setChecked(true);
  cbShow_->setCurrentIndex(element.ShowCommand == 2 ? 1 : element.ShowCommand == 3 ? 2 : 0);
  edSymboldatei_->setText(element.IconFile);
  lbSymbole_->SetFileName(element.IconFile);
  storedIconIndex_ = element.IconIndex;
  storedIconFile_ = element.IconFile;
  if (element.IconIndex < lbSymbole_->count()) lbSymbole_->SetItemIndex(element.IconIndex);
}

void TwTolvexProperties::WriteBack(TTolvexElement& element) const {
  element.Name = edName_->text();
  element.Description = edBeschreibung_->text();
  element.Target = edZiel_->text();
  element.Parameters = edParameter_->text();
  element.WorkingDir = edVerzeichnis_->text();
  element.Size = rbSymbolKlein_->isChecked() ? ls16 : ls32;
  element.ShowCommand = cbShow_->currentIndex() == 1 ? 2 : cbShow_->currentIndex() == 2 ? 3 : 1;
  element.IconFile = lbSymbole_->FileName();
  element.IconIndex = lbSymbole_->ItemIndex();
  if (element.IconIndex < 0 && storedIconIndex_ < 0 && element.IconFile == storedIconFile_) {
    element.IconIndex = storedIconIndex_;
  }
}

void TwTolvexProperties::btZielClick() {
  const QString chosen = BrowseProgram(this, edZiel_->text());
  if (!chosen.isEmpty()) edZiel_->setText(chosen);
}

void TwTolvexProperties::btSymboldateiClick() {
  const QString chosen = ExecOpenFileDialog(
      this, {QStringLiteral("Durchsuchen"),
             QStringLiteral("Symboldateien|*.exe;*.dll;*.ico;*.icl|Programme|*.exe|"
                            "Bibliotheken|*.dll;*.icl|Symbole|*.ico|Alle Dateien|*.*"),
             QStringLiteral("exe"), edSymboldatei_->text()});
  if (chosen.isEmpty()) return;
  edSymboldatei_->setText(chosen);
  lbSymbole_->SetFileName(chosen);
}

}  // namespace tolvex

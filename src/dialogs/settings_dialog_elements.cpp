// The settings dialog's element actions: new, properties, delete, move up
// and down, on the dialog's own copy of the element list.
#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/new_element_wizard.h"
#include "dialogs/properties_dialog.h"
#include "dialogs/settings_dialog.h"

namespace tolvex {

void TwTolvexSettings::CreateActions() {
  acNewElement_ = new QAction(QStringLiteral("&Neu..."), this);
  acElementProperties_ = new QAction(QStringLiteral("&Eigenschaften..."), this);
  acDeleteElement_ = new QAction(QStringLiteral("&Löschen"), this);
  acMoveUp_ = new QAction(QStringLiteral("nach &oben"), this);
  acMoveDown_ = new QAction(QStringLiteral("nach &unten"), this);
  connect(acNewElement_, &QAction::triggered, this, &TwTolvexSettings::acNewElementExecute);
  connect(acElementProperties_, &QAction::triggered, this,
          &TwTolvexSettings::acElementPropertiesExecute);
  connect(acDeleteElement_, &QAction::triggered, this, &TwTolvexSettings::acDeleteElementExecute);
  connect(acMoveUp_, &QAction::triggered, this, [this] { MoveSelected(-1); });
  connect(acMoveDown_, &QAction::triggered, this, [this] { MoveSelected(1); });
}

int TwTolvexSettings::SelectedRow() const {
  const QList<QListWidgetItem*> selected = lbElemente_->selectedItems();
  return selected.isEmpty() ? -1 : lbElemente_->row(selected.first());
}

void TwTolvexSettings::SelectRow(int row) {
  if (row >= 0 && row < lbElemente_->count()) {
    lbElemente_->setCurrentRow(row);
  } else {
    lbElemente_->clearSelection();
    lbElemente_->setCurrentRow(-1);
  }
  RefreshActions();
}

void TwTolvexSettings::RefreshActions() {
  const int row = SelectedRow();
  // While an action changes the list and the rows one after the other, the
  // selection may stand on a row the list no longer has.
  const bool launcher = row >= 0 && row < elements_.Count() &&
                        elements_.Items(row).ElementKind == TTolvexElementKind::ekLauncher;
  acElementProperties_->setEnabled(launcher);
  acDeleteElement_->setEnabled(row >= 0);
  acMoveUp_->setEnabled(row > 0);
  acMoveDown_->setEnabled(row >= 0 && row < lbElemente_->count() - 1);
}

void TwTolvexSettings::ElementsModified() {
  elementsChanged_ = true;
  SetModified();
  RefreshActions();
}

bool TwTolvexSettings::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbElemente_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        acElementPropertiesExecute();
        return true;
      case Qt::Key_Insert:
        acNewElementExecute();
        return true;
      case Qt::Key_Delete:
        acDeleteElementExecute();
        return true;
      default:
        break;
    }
  }
  return TwTxDialog::eventFilter(watched, event);
}

void TwTolvexSettings::acNewElementExecute() {
  TwNewElement wizard(this);
  if (!wizard.RunWizard(elements_)) return;
  auto element = std::make_unique<TTolvexElement>();
  element->ShowCommand = 1;
  if (wizard.ChosenKind() == TTolvexElementKind::ekLauncher) {
    element->Name = wizard.ElementName();
    element->Target = wizard.CommandLine();
    lbElemente_->addItem(element->Name);
    elements_.Add(std::move(element));
  } else if (wizard.ChosenSnapInNumber() != 0) {
    element->ElementKind = TTolvexElementKind::ekBuiltIn;
    element->SnapInNumber = std::uint8_t(wizard.ChosenSnapInNumber());
    element->SnapIn = SnapInDisplayName(wizard.ChosenSnapInNumber());
    lbElemente_->addItem(element->SnapIn);
    elements_.Add(std::move(element));
  }
  ElementsModified();
}

void TwTolvexSettings::acElementPropertiesExecute() {
  const int row = SelectedRow();
  if (row < 0 || elements_.Items(row).ElementKind != TTolvexElementKind::ekLauncher) return;
  TwTolvexProperties properties(this);
  TTolvexElement& element = elements_.Items(row);
  if (!properties.ExecuteProperties(element)) return;
  lbElemente_->item(row)->setText(element.Name);
  SelectRow(row);
  ElementsModified();
}

void TwTolvexSettings::acDeleteElementExecute() {
  const int row = SelectedRow();
  if (row < 0) return;
  elements_.Delete(row);
  delete lbElemente_->takeItem(row);
  // The row that moved into the gap, or the new last row.
  SelectRow(row < lbElemente_->count() ? row : row - 1);
  ElementsModified();
}

void TwTolvexSettings::MoveSelected(int by) {
  const int row = SelectedRow();
  const int target = row + by;
  if (row < 0 || target < 0 || target >= lbElemente_->count()) return;
  elements_.Exchange(row, target);
  QListWidgetItem* moved = lbElemente_->takeItem(row);
  lbElemente_->insertItem(target, moved);
  SelectRow(target);
  ElementsModified();
}

}  // namespace tolvex

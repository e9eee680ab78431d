// The notes dialogs' pages, buttons and changed flag.
#include "snapins/notes/notes_dialog.h"

#include <QPushButton>
#include <QTabWidget>

#include "shared/modal.h"
#include "snapins/notes/notes_form.h"

namespace tolvex {

TwNotesDialog::TwNotesDialog(QWidget* owner, int width, int height)
    : TwTxDialog(owner, width, height) {
  pcPages = new QTabWidget(this);
  pcPages->setObjectName(QStringLiteral("pcPages"));
  pcPages->setGeometry(6, 6, width - 12, height - 47);
  const int top = height - 33;
  const auto button = [&](const QString& caption, const char* name, int right) {
    return NewPushButton(caption, this, name, QRect(width - right, top, 75, 25));
  };
  btOk = button(QStringLiteral("Ok"), "btOk", 246);
  btCancel = button(QStringLiteral("Abbrechen"), "btCancel", 164);
  btApply = button(QStringLiteral("Übernehmen"), "btApply", 82);
  btOk->setDefault(true);
  btOk->setProperty(kModalResultProperty, int(mrOk));
  btCancel->setProperty(kModalResultProperty, int(mrCancel));
  btApply->setEnabled(false);
  SetCancelButton(btCancel);
  connect(btOk, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(btCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(btApply, &QPushButton::clicked, this, &TwNotesDialog::ApplyAndReset);
}

QWidget* TwNotesDialog::AddPage(const QString& caption, const char* name) {
  auto* page = new QWidget;
  page->setObjectName(QLatin1String(name));
  pcPages->addTab(page, caption);
  return page;
}

bool TwNotesDialog::RunModal() {
  if (ExecModal(*this) != mrOk) return false;
  ApplyAndReset();
  return true;
}

void TwNotesDialog::ApplyAndReset() {
  Apply();
  SetChanged(false);
}

void TwNotesDialog::SetChanged(bool changed) {
  changed_ = changed;
  UpdateControls();
}

void TwNotesDialog::UpdateControls() {
  btApply->setEnabled(changed_);
}

}  // namespace tolvex

// The controls of the element dialogs' forms.
#include "dialogs/form_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shared/modal.h"
#include "shared/tx_dialog.h"

namespace tolvex {

QPushButton* NewButton(const QString& caption, QWidget* parent, const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QLabel* NewLabel(const QString& text, QWidget* parent, QPoint at, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->move(at);
  label->adjustSize();
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

QLineEdit* NewEdit(QWidget* parent, const QRect& geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(geometry);
  return edit;
}

void AddOkCancel(TwTxDialog& dialog, int okLeft, int top) {
  QPushButton* btOk = NewButton(QStringLiteral("Ok"), &dialog, QRect(okLeft, top, 75, 25));
  btOk->setDefault(true);
  btOk->setProperty(kModalResultProperty, int(mrOk));
  QObject::connect(btOk, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(mrOk); });
  QPushButton* btCancel =
      NewButton(QStringLiteral("Abbrechen"), &dialog, QRect(okLeft + 80, top, 75, 25));
  btCancel->setProperty(kModalResultProperty, int(mrCancel));
  QObject::connect(btCancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(mrCancel); });
  dialog.SetCancelButton(btCancel);
}

}  // namespace tolvex

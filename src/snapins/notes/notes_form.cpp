// The notes dialogs' controls.
#include "snapins/notes/notes_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvex {

QLabel* NewLabel(const QString& text, QWidget* parent, int x, int y, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

QCheckBox* NewCheckBox(const QString& caption, QWidget* parent, const char* name,
                       const QRect& geometry) {
  auto* box = NewControl<QCheckBox>(parent, name, geometry);
  box->setText(caption);
  return box;
}

QComboBox* NewList(const QStringList& items, QWidget* parent, const char* name,
                   const QRect& geometry) {
  auto* list = NewControl<QComboBox>(parent, name, geometry);
  list->addItems(items);
  return list;
}

QPushButton* NewPushButton(const QString& caption, QWidget* parent, const char* name,
                           const QRect& geometry) {
  auto* button = NewControl<QPushButton>(parent, name, geometry);
  button->setText(caption);
  button->setAutoDefault(false);
  return button;
}

QPlainTextEdit* NewViewer(QWidget* parent, const char* name, const QRect& geometry) {
  auto* viewer = NewControl<QPlainTextEdit>(parent, name, geometry);
  viewer->setReadOnly(true);
  return viewer;
}

}  // namespace tolvex

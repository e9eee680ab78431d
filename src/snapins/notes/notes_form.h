// The controls the notes dialogs place at fixed positions on their pages,
// named for tests and the translation tables.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tolvex {

// A control of type T named `name` at `geometry` on `parent`.
template <typename T>
T* NewControl(QWidget* parent, const char* name, const QRect& geometry) {
  auto* control = new T(parent);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  return control;
}

// A label sized to its text; its "&" key focuses `buddy`.
QLabel* NewLabel(const QString& text, QWidget* parent, int x, int y, QWidget* buddy = nullptr);
QCheckBox* NewCheckBox(const QString& caption, QWidget* parent, const char* name,
                       const QRect& geometry);
// A drop-down list of `items`.
QComboBox* NewList(const QStringList& items, QWidget* parent, const char* name,
                   const QRect& geometry);
// A button that Enter presses only when it is the dialog's default.
QPushButton* NewPushButton(const QString& caption, QWidget* parent, const char* name,
                           const QRect& geometry);
// A read-only text area.
QPlainTextEdit* NewViewer(QWidget* parent, const char* name, const QRect& geometry);

}  // namespace tolvex

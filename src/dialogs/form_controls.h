// The controls the element dialogs place at fixed positions, as their forms
// were laid out, and the dialogs' "Ok" and "Abbrechen" buttons.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolvex {

class TwTxDialog;

// A push button that Enter presses only when it is the dialog's default.
QPushButton* NewButton(const QString& caption, QWidget* parent, const QRect& geometry);
// A label sized to its text; its "&" key focuses `buddy`.
QLabel* NewLabel(const QString& text, QWidget* parent, QPoint at, QWidget* buddy = nullptr);
QLineEdit* NewEdit(QWidget* parent, const QRect& geometry);

// "Ok" (the default button, ending with mrOk) with its left edge at
// `okLeft` and "Abbrechen" (Escape, ending with mrCancel) 5 pixels to its
// right, both 75 × 25 at `top`.
void AddOkCancel(TwTxDialog& dialog, int okLeft, int top);

}  // namespace tolvex

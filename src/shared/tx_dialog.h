// The base of the system's fixed-size dialogs: the look they were drawn for
// (a fixed dialog border and a small sans-serif font) and the keys and
// closing of a dialog with result codes: Escape presses the cancel button
// (and does nothing without one), closing by the title-bar box ends the
// dialog with mrCancel.
#pragma once

#include <QDialog>

class QPushButton;

namespace tolvex {

class TwTxDialog : public QDialog {
  Q_OBJECT

 public:
  // A dialog of `width` × `height` client pixels.
  TwTxDialog(QWidget* parent, int width, int height);

  // The button Escape presses (nullptr: none).
  void SetCancelButton(QPushButton* button) { cancelButton_ = button; }

 public slots:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace tolvex

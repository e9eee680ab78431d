// The modal-dialog hook and the answers tests give through it.
#include "shared/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeyEvent>

#include "shared/font_dialog.h"

namespace tolvex {

namespace {
ModalAnswer& Hook() {
  static ModalAnswer hook;
  return hook;
}

// The result of `dialog` after an answer, or kModalStillOpen.
int Outcome(QDialog& dialog) {
  if (!dialog.isVisible()) return dialog.result();
  dialog.hide();
  return kModalStillOpen;
}

QString WithoutMnemonics(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(u'&');
  return caption.replace(u'\x01', u'&');
}
}  // namespace

int ExecModal(QDialog& dialog) {
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

ModalAnswer SetModalAnswer(ModalAnswer answer) {
  ModalAnswer previous = std::move(Hook());
  Hook() = std::move(answer);
  return previous;
}

ModalAnswer AnswerByKey(int key) {
  return [key](QDialog& dialog) {
    dialog.show();
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    return Outcome(dialog);
  };
}

// Answers by clicking the first button that `matches`.
ModalAnswer ClickFirst(std::function<bool(const QAbstractButton&)> matches) {
  return [matches = std::move(matches)](QDialog& dialog) {
    dialog.show();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
      if (matches(*button)) {
        button->click();
        break;
      }
    }
    return Outcome(dialog);
  };
}

ModalAnswer AnswerByButton(const QString& caption) {
  return ClickFirst([caption](const QAbstractButton& button) {
    return WithoutMnemonics(button.text()) == caption;
  });
}

ModalAnswer AnswerByResult(int result) {
  return ClickFirst([result](const QAbstractButton& button) {
    const QVariant value = button.property(kModalResultProperty);
    return value.isValid() && value.toInt() == result;
  });
}

ModalAnswer AnswerFileDialog(const QString& path, ModalAnswer others) {
  return [path, others = std::move(others)](QDialog& dialog) {
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    if (files == nullptr) return others ? others(dialog) : kModalStillOpen;
    if (path.isEmpty()) return int(QDialog::Rejected);
    files->selectFile(path);
    return int(QDialog::Accepted);
  };
}

ModalAnswer AnswerColorDialog(const QColor& color, ModalAnswer others) {
  return [color, others = std::move(others)](QDialog& dialog) {
    auto* colors = qobject_cast<QColorDialog*>(&dialog);
    if (colors == nullptr) return others ? others(dialog) : kModalStillOpen;
    if (!color.isValid()) return int(QDialog::Rejected);
    colors->setCurrentColor(color);
    return int(QDialog::Accepted);
  };
}

ModalAnswer AnswerFontDialog(const std::optional<QFont>& font, const QColor& color,
                             ModalAnswer others) {
  return [font, color, others = std::move(others)](QDialog& dialog) {
    auto* fonts = qobject_cast<QFontDialog*>(&dialog);
    if (fonts == nullptr) return others ? others(dialog) : kModalStillOpen;
    if (!font) return int(QDialog::Rejected);
    SelectFont(*fonts, *font);
    auto* list = dialog.findChild<QComboBox*>(QLatin1String(kFontColorListName));
    if (list != nullptr && color.isValid()) SelectFontColor(*list, color);
    return int(QDialog::Accepted);
  };
}

}  // namespace tolvex

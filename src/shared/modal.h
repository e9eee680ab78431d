// Every modal dialog of the system is shown through ExecModal, so that tests
// can answer it without a person: a process-wide hook, when set, receives the
// dialog instead of a person and returns its result. The program never sets
// the hook.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QDialog;

namespace tolvex {

// The result codes of the system's dialogs.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10,
};

// Receives the dialog (already built, not shown) and returns the result that
// exec() would have returned.
using ModalAnswer = std::function<int(QDialog& dialog)>;

// Shows `dialog` modally and returns its result, or asks the hook.
int ExecModal(QDialog& dialog);

// Sets the hook (an empty function removes it); returns the previous one.
ModalAnswer SetModalAnswer(ModalAnswer answer);

// Sets the hook for the life of the object and then restores the previous one.
class TScopedModalAnswer {
 public:
  explicit TScopedModalAnswer(ModalAnswer answer) : previous_(SetModalAnswer(std::move(answer))) {}
  ~TScopedModalAnswer() { SetModalAnswer(std::move(previous_)); }
  TScopedModalAnswer(const TScopedModalAnswer&) = delete;
  TScopedModalAnswer& operator=(const TScopedModalAnswer&) = delete;

 private:
  ModalAnswer previous_;
};

// What the answers below return when the dialog did not close.
constexpr int kModalStillOpen = -1;

// Answers as a person pressing `key` (a Qt::Key, e.g. Qt::Key_Return or
// Qt::Key_Escape) in the shown dialog: the key goes to the widget that has
// the focus and on to its parents, as typed keys do.
ModalAnswer AnswerByKey(int key);

// Answers as a person clicking the button whose caption, without its "&"
// marks, is `caption`.
ModalAnswer AnswerByButton(const QString& caption);

// The property by which a dialog's button names the result code it closes
// the dialog with, so that tests can press it whatever its caption.
inline constexpr char kModalResultProperty[] = "modalResult";

// Answers as a person clicking the first button whose kModalResultProperty
// is `result`.
ModalAnswer AnswerByResult(int result);

// Answers a file dialog (ExecOpenFileDialog) as a person choosing `path`,
// or cancelling it when `path` is empty; every other dialog goes to
// `others` (without it, it stays unanswered).
ModalAnswer AnswerFileDialog(const QString& path, ModalAnswer others = {});

// Answers a colour dialog (ExecColorDialog) as a person choosing `color`, or
// cancelling it when `color` is invalid; every other dialog goes to
// `others`.
ModalAnswer AnswerColorDialog(const QColor& color, ModalAnswer others = {});

// Answers a font dialog (ExecFontDialog) as a person choosing `font` in
// `color` (an invalid colour keeps the dialog's), or cancelling it when
// there is no font; every other dialog goes to `others`.
ModalAnswer AnswerFontDialog(const std::optional<QFont>& font, const QColor& color = {},
                             ModalAnswer others = {});

}  // namespace tolvex

// Every modal dialog of the system is shown through ExecModal, so that tests
// can answer it without a person: a process-wide hook, when set, receives the
// dialog instead of a person and returns its result. The program never sets
// the hook.
#pragma once

#include <functional>

class QDialog;

namespace tolvex {

// Receives the dialog (already built, not shown) and returns the result that
// exec() would have returned.
using ModalAnswer = std::function<int(QDialog& dialog)>;

// Shows `dialog` modally and returns its result, or asks the hook.
int ExecModal(QDialog& dialog);

// Sets the hook (an empty function removes it); returns the previous one.
ModalAnswer SetModalAnswer(ModalAnswer answer);

}  // namespace tolvex

// The system's colour dialog. It is shown through ExecModal, so a test
// answers it like every other dialog: AnswerColorDialog supplies the chosen
// colour or a cancel.
#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace tolvex {

// Asks for a colour, starting with `initial`; the chosen colour, or nothing
// when the user cancelled.
std::optional<QColor> ExecColorDialog(QWidget* owner, const QColor& initial);

}  // namespace tolvex

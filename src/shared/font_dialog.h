// The system's font dialog: a font and, as the stored looks keep one beside
// the font, its colour, chosen from the sixteen basic colours (a colour
// outside them is offered as it is). It is shown through ExecModal, so a test
// answers it like every other dialog: AnswerFontDialog supplies the chosen
// font and colour or a cancel.
#pragma once

#include <QColor>
#include <QFont>
#include <optional>

class QComboBox;
class QFontDialog;
class QWidget;

namespace tolvex {

struct TFontChoice {
  QFont font;
  QColor color;
};

// The object name of the dialog's colour list.
inline constexpr char kFontColorListName[] = "cbFontColor";

// Asks for a font and its colour, starting with `initial`; the choice, or
// nothing when the user cancelled.
std::optional<TFontChoice> ExecFontDialog(QWidget* owner, const TFontChoice& initial);

// Selects `font` in the dialog, in the style of its family that has its
// weight and slant.
void SelectFont(QFontDialog& dialog, const QFont& font);

// Selects `color` in the dialog's colour list, adding it when it is none of
// the basic colours.
void SelectFontColor(QComboBox& list, const QColor& color);

}  // namespace tolvex

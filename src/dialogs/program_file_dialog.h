// The file dialog in which the element dialogs choose a program.
#pragma once

#include <QString>

class QWidget;

namespace tolvex {

// Opens the program file dialog on `preset`; the chosen file's full path, or
// an empty string when the user cancelled.
QString BrowseProgram(QWidget* owner, const QString& preset);

}  // namespace tolvex

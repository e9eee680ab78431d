// The application's main window (the bar), which dialogs without an owner of
// their own are placed over. The bar window registers itself when created.
#pragma once

class QWidget;

namespace tolvex {

// The main window, or nullptr while there is none.
QWidget* MainWindow();
// Registers `window` (nullptr: none); it is forgotten when destroyed.
void SetMainWindow(QWidget* window);

}  // namespace tolvex

// The application's default error display: how an error that no one handled
// is shown to the user.
#pragma once

#include <QString>

namespace tolvex {

// Shows `message` modally; the program goes on afterwards.
void ShowErrorMessage(const QString& message);

}  // namespace tolvex

// The artwork of the shared dialogs is compiled into the static library; a
// static library's resources must be registered before the first use.
#pragma once

#include <QPixmap>
#include <QString>

namespace tolvex {

// The picture `name` (e.g. "warning.png") of the shared artwork.
QPixmap SharedPicture(const QString& name);

}  // namespace tolvex

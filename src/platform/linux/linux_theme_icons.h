// The icon the desktop shows for a file or folder that holds no icons of its
// own: from the freedesktop icon theme by the file's MIME type, by the Icon
// key of a desktop entry, or a generic icon.
#pragma once

#include <QIcon>
#include <QMimeType>
#include <QString>

namespace tolvex::platform {

// The icon for the existing file or folder `path` of the MIME type `type`;
// never a null icon while a QApplication exists.
QIcon DesktopIconFor(const QString& path, const QMimeType& type);

}  // namespace tolvex::platform

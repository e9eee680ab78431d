// Reading a picture file for the picture panel and its viewer.
#pragma once

#include <QImage>
#include <QString>

namespace tolvex {

// The picture in `path`, chosen by its extension among bitmaps, icons,
// metafiles (drawn at their natural size) and the common image formats; a
// null image when the file is missing, of another kind or cannot be read.
QImage LoadPictureFile(const QString& path);

// The filter of the open-picture dialog.
QString PictureFileFilter();

}  // namespace tolvex

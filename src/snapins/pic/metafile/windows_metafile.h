// Drawing a Windows metafile (.wmf), with or without its placeable header.
#pragma once

#include <QByteArrayView>
#include <QImage>

#include "snapins/pic/metafile/metafile_canvas.h"

namespace tolvex {

// The picture of the Windows metafile in `bytes`: a placeable metafile at
// its bounding box's size (at 96 pixels per inch), one without that header
// at the extent its window is given (at most 1024 pixels on a side);
// scaled down to at most `maxSide`, transparent where it draws nothing. A
// null image when the bytes are no Windows metafile or give no size.
// Damaged records are skipped; records are read within their bounds.
QImage RenderWindowsMetafile(QByteArrayView bytes, int maxSide = kMaxMetafileSide);

}  // namespace tolvex

// The picture a metafile is drawn on.
#pragma once

#include <QImage>
#include <QSizeF>

namespace tolvex {

// The largest side of a drawn metafile by default.
constexpr int kMaxMetafileSide = 4096;

// The pixel size for a metafile of `natural` size, scaled down to at most
// `maxSide` on either side; an empty size when `natural` is no size.
QSize FitMetafileSize(QSizeF natural, int maxSide);

// A transparent picture of `size` to draw a metafile on.
QImage MetafileCanvas(QSize size);

}  // namespace tolvex

// The picture a metafile is drawn on.
#include "snapins/pic/metafile/metafile_canvas.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

QSize FitMetafileSize(QSizeF natural, int maxSide) {
  const double width = natural.width();
  const double height = natural.height();
  if (!std::isfinite(width) || !std::isfinite(height) || width <= 0 || height <= 0) return {};
  const double shrink = std::min(1.0, maxSide / std::max(width, height));
  return QSize(std::max(1, int(std::lround(width * shrink))),
               std::max(1, int(std::lround(height * shrink))));
}

QImage MetafileCanvas(QSize size) {
  QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  return canvas;
}

}  // namespace tolvex

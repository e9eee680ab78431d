// Drawing an enhanced metafile (.emf).
#pragma once

#include <QByteArrayView>
#include <QImage>

#include "snapins/pic/metafile/metafile_canvas.h"

namespace tolvex {

// The picture of the enhanced metafile in `bytes` at its natural size
// (its frame at 96 pixels per inch), scaled down to at most `maxSide`;
// transparent where the metafile draws nothing. A null image when the
// bytes are no enhanced metafile. Damaged records are skipped; the
// records are read within their bounds whatever they claim.
QImage RenderEnhancedMetafile(QByteArrayView bytes, int maxSide = kMaxMetafileSide);

}  // namespace tolvex

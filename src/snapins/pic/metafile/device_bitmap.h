// The device-independent bitmaps that metafiles carry.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QRectF>

namespace tolvex {

// The picture of a device-independent bitmap: `info` holds its header and
// colour table, `bits` its pixels. A null image when the bitmap is damaged
// or larger than a picture may be.
QImage DecodeDeviceBitmap(QByteArrayView info, QByteArrayView bits);

// `rect` of a bitmap's own coordinates, whose rows count from the bottom
// when `info` describes a bottom-up bitmap, in the coordinates of its
// decoded `picture`.
QRectF PictureRect(QByteArrayView info, const QImage& picture, const QRectF& rect);

// The same for a bitmap whose header, colour table and pixels follow each
// other in `packed`.
QImage DecodePackedDeviceBitmap(QByteArrayView packed);

}  // namespace tolvex

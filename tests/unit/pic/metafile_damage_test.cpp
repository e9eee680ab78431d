// Damaged and hostile metafiles: no picture or the records that are whole,
// never a read outside the file, a crash or a hang.
#include <gtest/gtest.h>

#include <QImage>
#include <QRandomGenerator>

#include "snapins/pic/metafile/enhanced_metafile.h"
#include "snapins/pic/metafile/windows_metafile.h"
#include "support/metafile_samples.h"

namespace tolvex::test {
namespace {

TEST(MetafileDamage, BytesThatAreNoMetafileGiveNoPicture) {
  const QByteArray cases[] = {
      {},
      QByteArray("BM"),
      QByteArray(88, '\0'),
      QByteArray(4096, '\xff'),
      SampleWindowsMetafile(),  // a Windows metafile is no enhanced one
  };
  for (const QByteArray& bytes : cases) {
    EXPECT_TRUE(RenderEnhancedMetafile(bytes).isNull()) << bytes.size();
  }
  EXPECT_TRUE(RenderWindowsMetafile(SampleEnhancedMetafile()).isNull());
  EXPECT_TRUE(RenderWindowsMetafile(QByteArray(40, '\0')).isNull());
}

// Replaces the 32-bit value at `offset` of `bytes`.
QByteArray With(QByteArray bytes, qsizetype offset, quint32 value) {
  qToLittleEndian<quint32>(value, bytes.data() + offset);
  return bytes;
}

TEST(MetafileDamage, RecordsThatClaimMoreThanTheyHoldAreSkipped) {
  TEmfWriter base(32, 32);
  base.SolidBrush(1, 0xFF).Select(1).NullPen();
  const auto emf = [&](quint32 type, std::initializer_list<qint32> values) {
    TEmfWriter writer = base;
    writer.Record(type, values).Rectangle(0, 0, 32, 32);
    return writer.Finish();
  };
  const QByteArray cases[] = {
      emf(3, {0, 0, 0, 0, -1}),                          // polygon of 4 billion points
      emf(8, {0, 0, 0, 0, 1000000, 5, 5}),               // poly-polygon with too many parts
      emf(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0x7fffffff, 76, 0, 0, 0, 0, 0, 0}),  // text
      emf(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 2, -4, 0, 0, 0, 0, 0, 0}),
      emf(81, {0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 80, 40, -8, 16, 0, 0xCC0020, 4, 4}),  // bitmap
      emf(81, {0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 40, 40, 80, 16, 0, 0xCC0020, 4, 4}),
      emf(82, {1, -10}),                                 // font cut short
      emf(37, {0x7fffffff}),                             // select beyond the table
      emf(34, {-1000000}),                               // restore nothing saved
      emf(35, {0x7f800000, 0, 0, 0x7f800000, 0, 0}),     // infinite transform
      emf(9, {0, 0}),                                    // empty window extent
  };
  for (const QByteArray& bytes : cases) {
    const QImage image = RenderEnhancedMetafile(bytes);
    ASSERT_EQ(image.size(), QSize(32, 32));
  }
}

TEST(MetafileDamage, LyingRecordSizesEndTheDrawing) {
  const QByteArray good = SampleEnhancedMetafile();
  // The first record after the header: its size 0, odd, or beyond the end.
  for (quint32 size : {0u, 6u, 0x7ffffff0u, 0xfffffffcu}) {
    EXPECT_EQ(RenderEnhancedMetafile(With(good, 88 + 4, size)).size(), QSize(64, 64));
  }
  const QByteArray wmf = SampleWindowsMetafile();
  for (quint32 words : {0u, 1u, 0x7fffffffu, 0xffffffffu}) {
    EXPECT_EQ(RenderWindowsMetafile(With(wmf, 22 + 18, words)).size(), QSize(64, 64));
  }
}

TEST(MetafileDamage, HostileSizesAreBoundedOrRefused) {
  TEmfWriter emf(64, 64);
  const QByteArray header = emf.Finish();
  // A frame of two kilometres still becomes a picture of at most 4096.
  const QImage huge = RenderEnhancedMetafile(With(With(header, 32, 200000000), 36, 100000000));
  EXPECT_EQ(huge.size(), QSize(4096, 2048));
  // Frames and devices of no size.
  EXPECT_TRUE(RenderEnhancedMetafile(With(With(header, 32, 0), 20, 0xffffffff)).isNull());
  EXPECT_FALSE(RenderEnhancedMetafile(With(header, 80, 0)).isNull());
  // Thousands of saved states and clip rectangles stay cheap.
  TEmfWriter busy(64, 64);
  for (int i = 0; i < 3000; ++i) busy.Record(33, {}).Record(29, {i % 60, i % 50, i % 60 + 2, i % 50 + 2});
  EXPECT_EQ(RenderEnhancedMetafile(busy.Finish()).size(), QSize(64, 64));
}

TEST(MetafileDamage, EveryTruncationAndRandomDamageIsReadSafely) {
  QRandomGenerator random(20261211);
  for (const QByteArray& good : {SampleEnhancedMetafile(), SampleWindowsMetafile()}) {
    for (qsizetype size = 0; size < good.size(); size += 3) {
      RenderEnhancedMetafile(good.first(size), 128);
      RenderWindowsMetafile(good.first(size), 128);
    }
    for (int round = 0; round < 300; ++round) {
      QByteArray damaged = good;
      for (int i = 0; i < 4; ++i) {
        damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
      }
      RenderEnhancedMetafile(damaged, 128);
      RenderWindowsMetafile(damaged, 128);
    }
  }
}

}  // namespace
}  // namespace tolvex::test

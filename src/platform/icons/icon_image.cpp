// Probing, choosing and decoding icon images.
#include "platform/icons/icon_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>

namespace tolvex::platform::icons {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kPngHeaderChunk = 0x49484452;  // "IHDR"
constexpr std::size_t kPngProbeSize = 24;  // signature, chunk length and type, width, height
// Far more than a compressed image of the largest size needs.
constexpr std::uint32_t kMaxPngBytes = 16u << 20;
constexpr std::uint32_t kMinDibHeader = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kMaxPalette = 256;

std::uint64_t Stride(int width, int bitCount) {
  return (std::uint64_t(width) * std::uint64_t(bitCount) + 31) / 32 * 4;
}

// Where the parts of a DIB image lie, from its header.
struct DibLayout {
  std::uint64_t palette = 0;  // offset of the palette (the end of the header)
  std::uint32_t paletteSize = 0;
  std::uint64_t colourStride = 0;
  std::uint64_t maskStride = 0;
  int height = 0;

  std::uint64_t Colours() const { return palette + paletteSize * 4ull; }
  std::uint64_t Mask() const { return Colours() + colourStride * std::uint64_t(height); }
  std::uint64_t End() const { return Mask() + maskStride * std::uint64_t(height); }
};

// The layout of a DIB whose probed header is `header`; its sizes are sane.
DibLayout Layout(const ByteView& header, const ImageInfo& image) {
  const std::uint32_t used = header.U32(32);
  DibLayout layout;
  layout.palette = header.U32(0);
  layout.paletteSize = image.bitCount <= 8 && used == 0 ? 1u << image.bitCount : used;
  layout.colourStride = Stride(image.width, image.bitCount);
  layout.maskStride = Stride(image.width, 1);
  layout.height = image.height;
  return layout;
}

bool InsideSource(ByteSource& source, const ImageRef& ref, std::uint64_t length) {
  return length <= ref.size && ref.offset <= source.Size() && length <= source.Size() - ref.offset;
}

bool SaneSize(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSize && height <= kMaxImageSize;
}

std::optional<ImageInfo> ProbePng(ByteSource& source, const ImageRef& ref, const ByteView& head) {
  const std::int64_t width = head.U32BigEndian(16);
  const std::int64_t height = head.U32BigEndian(20);
  if (head.U32BigEndian(12) != kPngHeaderChunk || !SaneSize(width, height) ||
      ref.size > kMaxPngBytes || !InsideSource(source, ref, ref.size))
    return std::nullopt;
  return ImageInfo{ref, ImageFormat::Png, int(width), int(height), 32};
}

bool KnownBitCount(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

std::uint32_t Opaque(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return 0xFF000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
}

std::uint8_t FiveBits(unsigned value) {
  return std::uint8_t((value & 31) * 255 / 31);
}

// The colour of pixel `x` of a row of the colour bitmap; alpha is 0xFF except
// for 32-bit images, which keep theirs.
std::uint32_t Pixel(const ByteView& bits, std::uint64_t row, int x, int bitCount,
                    const std::vector<std::uint32_t>& palette) {
  switch (bitCount) {
    case 1:
    case 4:
    case 8: {
      const std::uint64_t bit = std::uint64_t(x) * std::uint64_t(bitCount);
      const unsigned shift = 8 - bitCount - unsigned(bit % 8);
      const unsigned index =
          (bits.U8(std::size_t(row + bit / 8)) >> shift) & ((1u << bitCount) - 1);
      return index < palette.size() ? palette[index] : Opaque(0, 0, 0);
    }
    case 16: {
      const unsigned value = bits.U16(std::size_t(row + std::uint64_t(x) * 2));
      return Opaque(FiveBits(value >> 10), FiveBits(value >> 5), FiveBits(value));
    }
    case 24: {
      const std::size_t at = std::size_t(row + std::uint64_t(x) * 3);
      return Opaque(bits.U8(at + 2), bits.U8(at + 1), bits.U8(at));
    }
    default:
      return bits.U32(std::size_t(row + std::uint64_t(x) * 4));
  }
}

}  // namespace

std::optional<ImageInfo> ProbeImage(ByteSource& source, const ImageRef& ref) {
  std::uint8_t bytes[kMinDibHeader] = {};
  const std::size_t length = std::min<std::size_t>(ref.size, sizeof bytes);
  if (length < kPngProbeSize || !source.Read(ref.offset, bytes, length)) return std::nullopt;
  const ByteView head(std::span(bytes, length));
  if (std::memcmp(bytes, kPngSignature, sizeof kPngSignature) == 0)
    return ProbePng(source, ref, head);

  const std::int64_t width = head.I32(4);
  const std::int64_t height = head.I32(8) / 2;
  ImageInfo image{ref, ImageFormat::Dib, int(std::clamp<std::int64_t>(width, 0, kMaxImageSize)),
                  int(std::clamp<std::int64_t>(height, 0, kMaxImageSize)), head.U16(14)};
  if (length < kMinDibHeader || head.U32(0) < kMinDibHeader || head.U32(0) > ref.size ||
      !SaneSize(width, height) || !KnownBitCount(image.bitCount) || head.U32(16) != kUncompressed ||
      head.U32(32) > kMaxPalette)
    return std::nullopt;
  if (!InsideSource(source, ref, Layout(head, image).Mask())) return std::nullopt;
  return image;
}

std::optional<ImageInfo> BestImage(const std::vector<ImageInfo>& images, int pixels) {
  // Lower is better: exact, larger, smaller; then nearer; then more colours.
  const auto rank = [pixels](const ImageInfo& image) {
    const int difference = std::max(image.width, image.height) - pixels;
    return std::make_tuple(difference == 0  ? 0
                           : difference > 0 ? 1
                                            : 2,
                           std::abs(difference), -image.bitCount);
  };
  const auto best = std::min_element(
      images.begin(), images.end(),
      [&rank](const ImageInfo& a, const ImageInfo& b) { return rank(a) < rank(b); });
  if (best == images.end()) return std::nullopt;
  return *best;
}

IconImage DecodeDib(ByteSource& source, const ImageInfo& image) {
  std::uint8_t header[kMinDibHeader];
  if (image.format != ImageFormat::Dib || !source.Read(image.ref.offset, header, sizeof header))
    return {};
  const DibLayout layout = Layout(ByteView(header), image);
  if (!InsideSource(source, image.ref, layout.Mask())) return {};
  const std::vector<std::uint8_t> bytes = source.BytesUpTo(
      image.ref.offset, std::size_t(std::min<std::uint64_t>(layout.End(), image.ref.size)));
  if (bytes.size() < layout.Mask()) return {};
  const ByteView view(bytes);
  // A legacy image may end without its mask; it is then opaque.
  const bool hasMask = bytes.size() >= layout.End();

  std::vector<std::uint32_t> palette(layout.paletteSize);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::size_t at = std::size_t(layout.palette + i * 4);
    palette[i] = Opaque(view.U8(at + 2), view.U8(at + 1), view.U8(at));
  }

  IconImage icon;
  icon.width = image.width;
  icon.height = image.height;
  icon.pixels.resize(std::size_t(image.width) * std::size_t(image.height));
  bool anyAlpha = false;
  for (int y = 0; y < image.height; ++y) {
    // Rows are stored from the bottom up.
    const std::uint64_t row =
        layout.Colours() + layout.colourStride * std::uint64_t(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = Pixel(view, row, x, image.bitCount, palette);
      anyAlpha = anyAlpha || (pixel >> 24) != 0;
      icon.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)] = pixel;
    }
  }
  // A 32-bit image with an alpha channel ignores its mask; all other images,
  // 32-bit ones whose alpha is all 0 included, take their transparency from it.
  if (image.bitCount == 32 && anyAlpha) return icon;
  for (int y = 0; y < image.height; ++y) {
    const std::uint64_t row =
        layout.Mask() + layout.maskStride * std::uint64_t(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t& pixel =
          icon.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)];
      const bool transparent =
          hasMask && (view.U8(std::size_t(row + unsigned(x) / 8)) & (0x80u >> (x % 8))) != 0;
      pixel = transparent ? 0 : (pixel | 0xFF000000u);
    }
  }
  return icon;
}

}  // namespace tolvex::platform::icons

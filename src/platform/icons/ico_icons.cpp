// .ico files: one icon whose images the file's directory lists.
#include <algorithm>

#include "platform/icons/icon_container.h"

namespace tolvex::platform::icons {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

class IcoIcons : public IconContainer {
 public:
  IcoIcons(ByteSource& source, std::vector<ImageRef> images)
      : IconContainer(source), images_(std::move(images)) {}

  int Count() const override { return images_.empty() ? 0 : 1; }
  std::vector<ImageRef> Images(int index) override {
    return index == 0 ? images_ : std::vector<ImageRef>{};
  }

 private:
  std::vector<ImageRef> images_;
};

}  // namespace

std::unique_ptr<IconContainer> OpenIcoIcons(ByteSource& source) {
  std::uint8_t header[kHeaderSize];
  if (!source.Read(0, header, sizeof header)) return nullptr;
  const ByteView head(header);
  if (head.U16(0) != 0 || head.U16(2) != kIconType || head.U16(4) == 0) return nullptr;
  const std::size_t count = std::min<std::size_t>(head.U16(4), kMaxImagesPerGroup);
  const std::vector<std::uint8_t> table = source.BytesUpTo(kHeaderSize, count * kEntrySize);
  const ByteView entries(table);
  std::vector<ImageRef> images;
  for (std::size_t i = 0; i < table.size() / kEntrySize; ++i) {
    const std::size_t at = i * kEntrySize;
    images.push_back({entries.U32(at + 12), entries.U32(at + 8)});
  }
  return std::make_unique<IcoIcons>(source, std::move(images));
}

}  // namespace tolvex::platform::icons

// A file that holds icons: the icon groups of a PE or NE module, or the one
// icon of an .ico file. Icon N is the N-th group in the order the module's
// resource table lists them; each group holds several images of one picture.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/icons/byte_source.h"

namespace tolvex::platform::icons {

// Where the bytes of one image lie in the source.
struct ImageRef {
  std::uint64_t offset = 0;
  std::uint32_t size = 0;
};

// More images than this in one group are ignored: real groups hold a dozen,
// and a hostile group must not make every extraction slow.
inline constexpr int kMaxImagesPerGroup = 256;

class IconContainer {
 public:
  explicit IconContainer(ByteSource& source) : source_(source) {}
  virtual ~IconContainer() = default;

  ByteSource& Source() const { return source_; }

  // How many icons the file holds.
  virtual int Count() const = 0;
  // The images of icon `index`: a position from 0 to Count() - 1 or, when
  // negative, the group whose resource ID is -index. Empty when there is no
  // such icon or its group cannot be read.
  virtual std::vector<ImageRef> Images(int index) = 0;

 private:
  ByteSource& source_;
};

// The icons of `source` when it is a PE or NE module or an .ico file
// (recognised by content, whatever the file is named); nullptr otherwise.
std::unique_ptr<IconContainer> OpenIcons(ByteSource& source);

// The same for one format each; nullptr unless `source` is of that format.
std::unique_ptr<IconContainer> OpenPeIcons(ByteSource& source);
std::unique_ptr<IconContainer> OpenNeIcons(ByteSource& source);
std::unique_ptr<IconContainer> OpenIcoIcons(ByteSource& source);

}  // namespace tolvex::platform::icons

// Recognising the format of a file that holds icons.
#include "platform/icons/icon_container.h"

namespace tolvex::platform::icons {

std::unique_ptr<IconContainer> OpenIcons(ByteSource& source) {
  if (auto pe = OpenPeIcons(source)) return pe;
  if (auto ne = OpenNeIcons(source)) return ne;
  return OpenIcoIcons(source);
}

}  // namespace tolvex::platform::icons

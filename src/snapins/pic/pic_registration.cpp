// The picture panel's factory.
#include "snapins/pic/pic_registration.h"

#include "app/builtin_panels.h"
#include "snapins/pic/pic.h"

namespace tolvex {

void RegisterPicPanel() {
  RegisterBuiltInPanel(7, [](ISnapInHost& host) { return new TfrPic(host); });
}

}  // namespace tolvex

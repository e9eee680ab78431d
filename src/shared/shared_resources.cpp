// Access to the shared artwork.
#include "shared/shared_resources.h"

static void RegisterSharedResources() {
  Q_INIT_RESOURCE(shared);
}

namespace tolvex {

QPixmap SharedPicture(const QString& name) {
  static const bool registered = (RegisterSharedResources(), true);
  (void)registered;
  return QPixmap(QStringLiteral(":/shared/") + name);
}

}  // namespace tolvex

/* A plug-in snap-in built without Qt: the bar must refuse it unloaded. */
#include <stdint.h>

__attribute__((visibility("default"))) uint16_t TSI_GetInterfaceVersion(void) {
  return 1;
}

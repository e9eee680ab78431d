// Freed memory on Linux: the C library's allocator gives back the free
// pages inside its heap too, not only those at its end.
#include <malloc.h>

#include "platform/memory.h"

namespace tolvex::platform {

void ReturnFreedMemory() { malloc_trim(0); }

}  // namespace tolvex::platform

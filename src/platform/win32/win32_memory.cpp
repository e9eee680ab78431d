// Freed memory on Windows: the process heap decommits its large free blocks.
#include <windows.h>

#include "platform/memory.h"

namespace tolvex::platform {

void ReturnFreedMemory() { HeapCompact(GetProcessHeap(), 0); }

}  // namespace tolvex::platform

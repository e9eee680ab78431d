// Memory the program has freed and the allocator still holds.
#pragma once

namespace tolvex::platform {

// Hands the freed memory the allocator keeps back to the system. The start
// leaves holes in the heap (files read, images converted, fonts measured)
// that the allocator would otherwise keep for the life of the program.
void ReturnFreedMemory();

}  // namespace tolvex::platform

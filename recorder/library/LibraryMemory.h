// The library's allocator: every block handed to a caller comes from here and
// goes back through NeroFreeMem.
#pragma once

#include <cstddef>
#include <string>

namespace bb::recorder::library {

// A zeroed block, or null when memory is short.
void* AllocateBlock(size_t size);
void FreeBlock(void* block);
// The text with its terminator in a new block; null when memory is short.
char* CopyToBlock(const std::string& text);

}  // namespace bb::recorder::library

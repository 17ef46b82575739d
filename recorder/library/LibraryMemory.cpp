#include "recorder/library/LibraryMemory.h"

#include <cstdlib>
#include <cstring>

namespace bb::recorder::library {

void* AllocateBlock(size_t size) {
    // A zero-byte request still yields a block the caller can free.
    return std::calloc(1, size == 0 ? 1 : size);
}

void FreeBlock(void* block) {
    std::free(block);
}

char* CopyToBlock(const std::string& text) {
    auto* block = static_cast<char*>(AllocateBlock(text.size() + 1));
    if (block != nullptr) {
        std::memcpy(block, text.c_str(), text.size() + 1);
    }
    return block;
}

}  // namespace bb::recorder::library

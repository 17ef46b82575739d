// 64-bit positions in a stdio stream on every build: the C runtime names
// these calls differently on each platform.
#pragma once

#include <cstdint>
#include <cstdio>

namespace platform {

// As fseek (SEEK_SET, SEEK_CUR, SEEK_END): 0 on success.
int SeekStream(std::FILE* stream, int64_t offset, int whence);
// As ftell: the position, or -1.
int64_t TellStream(std::FILE* stream);

}  // namespace platform

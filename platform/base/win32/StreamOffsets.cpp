#include "platform/base/StreamOffsets.h"

namespace platform {

int SeekStream(std::FILE* stream, int64_t offset, int whence) { return _fseeki64(stream, offset, whence); }

int64_t TellStream(std::FILE* stream) { return _ftelli64(stream); }

}  // namespace platform

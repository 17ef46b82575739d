#include "platform/base/StreamOffsets.h"

#include <sys/types.h>

namespace platform {

int SeekStream(std::FILE* stream, int64_t offset, int whence) { return fseeko(stream, off_t(offset), whence); }

int64_t TellStream(std::FILE* stream) { return int64_t(ftello(stream)); }

}  // namespace platform

#include "recorder/image/LargeFile.h"

#include "platform/base/StreamOffsets.h"

namespace rec::image {

using platform::SeekStream;
using platform::TellStream;

bool LargeFile::OpenRead(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    // Reads are large and sequential; stdio's own buffer would only add a copy.
    if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
    return file_ != nullptr;
}

bool LargeFile::Seek(uint64_t offset) {
    return file_ && SeekStream(file_, int64_t(offset), SEEK_SET) == 0;
}

size_t LargeFile::Read(void* data, size_t size) {
    return file_ ? std::fread(data, 1, size, file_) : 0;
}

int64_t LargeFile::Size() {
    if (!file_) return -1;
    const int64_t here = TellStream(file_);
    if (here < 0 || SeekStream(file_, 0, SEEK_END) != 0) return -1;
    const int64_t end = TellStream(file_);
    if (SeekStream(file_, here, SEEK_SET) != 0) return -1;
    return end;
}

void LargeFile::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

int64_t FileSizeOf(const std::string& path) {
    LargeFile f;
    if (!f.OpenRead(path)) return -1;
    return f.Size();
}

}  // namespace rec::image

#include "recorder/image/LargeFile.h"

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace rec::image {

namespace {

int SeekTo(std::FILE* f, int64_t offset, int whence) {
#ifdef _WIN32
    return _fseeki64(f, offset, whence);
#else
    return fseeko(f, off_t(offset), whence);
#endif
}

int64_t Tell(std::FILE* f) {
#ifdef _WIN32
    return _ftelli64(f);
#else
    return int64_t(ftello(f));
#endif
}

}  // namespace

bool LargeFile::OpenRead(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    // Reads are large and sequential; stdio's own buffer would only add a copy.
    if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
    return file_ != nullptr;
}

bool LargeFile::Seek(uint64_t offset) {
    return file_ && SeekTo(file_, int64_t(offset), SEEK_SET) == 0;
}

size_t LargeFile::Read(void* data, size_t size) {
    return file_ ? std::fread(data, 1, size, file_) : 0;
}

int64_t LargeFile::Size() {
    if (!file_) return -1;
    const int64_t here = Tell(file_);
    if (here < 0 || SeekTo(file_, 0, SEEK_END) != 0) return -1;
    const int64_t end = Tell(file_);
    if (SeekTo(file_, here, SEEK_SET) != 0) return -1;
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

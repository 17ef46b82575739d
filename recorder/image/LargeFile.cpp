#include "recorder/image/LargeFile.h"

namespace bb::recorder::image {

size_t LargeFile::Read(void* data, size_t size) {
    if (!m_file.IsOpen()) return 0;
    const int64_t got = m_file.Read(data, size);
    return got < 0 ? 0 : size_t(got);
}

int64_t FileSizeOf(const std::string& path) {
    LargeFile f;
    if (!f.OpenRead(path)) return -1;
    return f.Size();
}

}  // namespace bb::recorder::image

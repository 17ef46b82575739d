#include "platform/base/SystemFile.h"

namespace bb::platform {

int64_t SystemFile::Read(void* data, size_t size) {
    auto* p = static_cast<char*>(data);
    size_t done = 0;
    while (done < size) {
        const int64_t n = ReadSome(p + done, size - done);
        if (n < 0) return -1;
        if (n == 0) break;
        done += size_t(n);
    }
    return int64_t(done);
}

bool SystemFile::WriteAll(const void* data, size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const int64_t n = WriteSome(p, size);
        if (n <= 0) return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace bb::platform

// Files beyond 2 GiB on every build: a thin owner of a stdio stream with
// 64-bit seeks (platform/base/StreamOffsets.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace rec::image {

class LargeFile {
public:
    LargeFile() = default;
    ~LargeFile() { Close(); }
    LargeFile(const LargeFile&) = delete;
    LargeFile& operator=(const LargeFile&) = delete;

    [[nodiscard]] bool OpenRead(const std::string& path);
    [[nodiscard]] bool Seek(uint64_t offset);
    // Reads up to `size` bytes; returns how many were read (short at the end or on error).
    size_t Read(void* data, size_t size);
    // Size of the open file, or -1.
    int64_t Size();
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

// Size of the file at `path`, or -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);

}  // namespace rec::image

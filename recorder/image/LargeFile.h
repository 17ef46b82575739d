// A source file read by the image writer: 64-bit offsets on every build, and
// only regular files open (platform/base/SystemFile.h), so that a FIFO or a
// device in a DVD root fails at once instead of blocking the job.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/SystemFile.h"

namespace bb::recorder::image {

class LargeFile {
public:
    [[nodiscard]] bool OpenRead(const std::string& path) { return m_file.OpenRead(path); }
    [[nodiscard]] bool Seek(uint64_t offset) { return m_file.IsOpen() && m_file.Seek(offset); }
    // Reads up to `size` bytes; returns how many were read (short at the end or on error).
    size_t Read(void* data, size_t size);
    // Size of the open file, or -1.
    int64_t Size() const { return m_file.IsOpen() ? m_file.Size() : -1; }
    void Close() { (void)m_file.Close(); }
    bool IsOpen() const { return m_file.IsOpen(); }

private:
    platform::SystemFile m_file;
};

// Size of the file at `path`, or -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);

}  // namespace bb::recorder::image

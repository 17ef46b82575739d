#include "recorder/library/ImageSinks.h"

#include <algorithm>

namespace rec::lib {
namespace {

// Large sequential writes: the image is streamed once, front to back.
constexpr size_t kFileBuffer = 1 << 20;

}  // namespace

PendingFileSink::PendingFileSink(std::string target)
    : m_target(std::move(target)), m_temporary(m_target + ".part") {}

PendingFileSink::~PendingFileSink() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
    if (!m_committed) {
        std::remove(m_temporary.c_str());
    }
}

bool PendingFileSink::Open() {
    m_file = std::fopen(m_temporary.c_str(), "wb");
    if (m_file != nullptr) {
        std::setvbuf(m_file, nullptr, _IOFBF, kFileBuffer);
    }
    return m_file != nullptr;
}

bool PendingFileSink::Write(const void* data, size_t size) {
    return m_file != nullptr && std::fwrite(data, 1, size, m_file) == size;
}

bool PendingFileSink::Close() {
    if (m_file == nullptr) {
        return false;
    }
    const bool flushed = std::fflush(m_file) == 0 && std::ferror(m_file) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    return flushed && closed;
}

bool PendingFileSink::Commit() {
    if (m_file != nullptr || !ReplaceFile(m_temporary, m_target)) {
        return false;
    }
    m_committed = true;
    return true;
}

bool FailingSink::Write(const void* data, size_t size) {
    if (m_failed) {
        return false;
    }
    if (m_written + size > m_failAt) {
        const size_t part = static_cast<size_t>(m_failAt - m_written);
        if (part > 0) {
            (void)m_inner.Write(data, part);
            m_written += part;
        }
        m_failed = true;
        return false;
    }
    if (!m_inner.Write(data, size)) {
        return false;
    }
    m_written += size;
    return true;
}

bool ReplaceFile(const std::string& source, const std::string& target) {
    if (std::rename(source.c_str(), target.c_str()) == 0) {
        return true;
    }
    // The Windows runtime's rename does not replace an existing file; the
    // target goes only when the source is really there to take its place.
    std::FILE* present = std::fopen(source.c_str(), "rb");
    if (present == nullptr) {
        return false;
    }
    std::fclose(present);
    std::remove(target.c_str());
    return std::rename(source.c_str(), target.c_str()) == 0;
}

}  // namespace rec::lib

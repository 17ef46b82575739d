#include "recorder/library/ImageSinks.h"

#include <cstdio>

namespace bb::recorder::library {

PendingFileSink::PendingFileSink(std::string target)
    : m_target(std::move(target)), m_temporary(m_target + ".part") {}

PendingFileSink::~PendingFileSink() {
    (void)m_file.Close();
    if (!m_committed) {
        std::remove(m_temporary.c_str());
    }
}

bool PendingFileSink::Open() { return m_file.Create(m_temporary); }

bool PendingFileSink::Close() { return m_file.IsOpen() && m_file.Close(); }

bool PendingFileSink::Commit() {
    if (m_file.IsOpen() || !ReplaceFile(m_temporary, m_target)) {
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

}  // namespace bb::recorder::library

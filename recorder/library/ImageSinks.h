// Where a job's image bytes go: a file written under a temporary name and
// moved over the chosen name only when the job succeeded, a sink that only
// counts (simulation), and a sink that fails at a set byte (rehearsed write
// errors).
#pragma once

#include "recorder/image/ImageFileSink.h"
#include "recorder/image/ImageWriter.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace bb::recorder::library {

class PendingFileSink final : public image::Sink {
public:
    explicit PendingFileSink(std::string target);
    ~PendingFileSink() override;  // removes the temporary file unless committed

    [[nodiscard]] bool Open();
    // Allocates the image's disk space before the write (see SystemFile::Reserve).
    [[nodiscard]] image::SystemFile::Reservation Reserve(uint64_t bytes) { return m_file.Reserve(bytes); }
    bool Write(const void* data, size_t size) override { return m_file.Write(data, size); }
    CopyResult CopyFromFile(const std::string& sourcePath, uint64_t offset, uint64_t size) override {
        return m_file.CopyFromFile(sourcePath, offset, size);
    }
    // Closes the temporary file; false when the data did not all reach it.
    [[nodiscard]] bool Close();
    // Moves the closed temporary file over the target.
    [[nodiscard]] bool Commit();

    const std::string& TemporaryPath() const { return m_temporary; }
    const std::string& Target() const { return m_target; }

private:
    std::string m_target;
    std::string m_temporary;
    image::ImageFileSink m_file;
    bool m_committed = false;
};

class CountingSink final : public image::Sink {
public:
    bool Write(const void*, size_t size) override {
        m_bytes += size;
        return true;
    }
    uint64_t Bytes() const { return m_bytes; }

private:
    uint64_t m_bytes = 0;
};

class FailingSink final : public image::Sink {
public:
    FailingSink(image::Sink& inner, uint64_t failAtByte) : m_inner(inner), m_failAt(failAtByte) {}
    bool Write(const void* data, size_t size) override;
    bool Failed() const { return m_failed; }
    uint64_t Written() const { return m_written; }

private:
    image::Sink& m_inner;
    uint64_t m_failAt;
    uint64_t m_written = 0;
    bool m_failed = false;
};

// Replaces `target` by `source`; on systems whose rename refuses an existing
// target, the target is removed first.
[[nodiscard]] bool ReplaceFile(const std::string& source, const std::string& target);

}  // namespace bb::recorder::library

// The image writer's sink for an image file on the local disk: structures
// and padding arrive through Write, file contents through CopyFromFile,
// which moves them inside the kernel where the files allow it (see
// ExtentCopier). Space for the whole image can be reserved before the first
// byte so that a full disk shows at once, and written data is sent on to
// the disk as the image grows.
#pragma once

#include <string>

#include "platform/base/SystemFile.h"
#include "recorder/image/ExtentCopier.h"
#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image {

class ImageFileSink final : public Sink {
public:
    // `calls` replaces the system's in-kernel copy calls (tests refuse them
    // to take the other ways).
    explicit ImageFileSink(KernelCopyCalls calls = SystemKernelCopyCalls()) : m_copier(calls) {}

    // Creates the file, or empties an existing one.
    [[nodiscard]] bool Create(const std::string& path);
    [[nodiscard]] SystemFile::Reservation Reserve(uint64_t bytes) { return m_file.Reserve(bytes); }

    bool Write(const void* data, size_t size) override;
    CopyResult CopyFromFile(const std::string& sourcePath, uint64_t offset, uint64_t size) override;

    // False when the system reports that data did not reach the file.
    [[nodiscard]] bool Close();
    bool IsOpen() const { return m_file.IsOpen(); }
    uint64_t Written() const { return m_written; }
    const ExtentCopier& Copier() const { return m_copier; }

private:
    SystemFile m_file;
    SystemFile m_source;
    std::string m_sourcePath;
    void WriteBehind();

    ExtentCopier m_copier;
    uint64_t m_written = 0;
    uint64_t m_writeBackFrom = 0;  // written bytes from here on are not yet on their way to the disk
};

}  // namespace bb::recorder::image

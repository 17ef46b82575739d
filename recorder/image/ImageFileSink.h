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

namespace rec::image {

class ImageFileSink final : public Sink {
public:
    // `calls` replaces the system's in-kernel copy calls (tests refuse them
    // to take the other ways).
    explicit ImageFileSink(KernelCopyCalls calls = SystemKernelCopyCalls()) : copier_(calls) {}

    // Creates the file, or empties an existing one.
    [[nodiscard]] bool Create(const std::string& path);
    [[nodiscard]] SystemFile::Reservation Reserve(uint64_t bytes) { return file_.Reserve(bytes); }

    bool Write(const void* data, size_t size) override;
    CopyResult CopyFromFile(const std::string& sourcePath, uint64_t offset, uint64_t size) override;

    // False when the system reports that data did not reach the file.
    [[nodiscard]] bool Close();
    bool IsOpen() const { return file_.IsOpen(); }
    uint64_t Written() const { return written_; }
    const ExtentCopier& Copier() const { return copier_; }

private:
    SystemFile file_;
    SystemFile source_;
    std::string sourcePath_;
    void WriteBehind();

    ExtentCopier copier_;
    uint64_t written_ = 0;
    uint64_t writeBackFrom_ = 0;  // written bytes from here on are not yet on their way to the disk
};

}  // namespace rec::image

// Moves a range of one file's bytes to the end of another, the fastest way
// the two files allow: copy_file_range, then sendfile, then plain reads and
// writes. A method that refuses (another file system, an old kernel, a file
// system without the call) is left for the rest of that source file, from
// the byte where it stopped; the next source file starts again with the
// fastest. Every method writes the same bytes at the same place.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/base/SystemFile.h"

namespace bb::recorder::image {

using platform::KernelCopyCalls;
using platform::SystemFile;
using platform::SystemKernelCopyCalls;

enum class CopyMethod { CopyFileRange, SendFile, ReadWrite };
constexpr size_t kCopyMethods = 3;

class ExtentCopier {
public:
    explicit ExtentCopier(KernelCopyCalls calls = SystemKernelCopyCalls());

    enum class Result { Done, SourceFailed, TargetFailed };
    // Appends `size` bytes of `source`, from byte `offset`, at the target's
    // current position.
    [[nodiscard]] Result Copy(SystemFile& source, uint64_t offset, SystemFile& target, uint64_t size);

    // A new source file: the fastest method is tried again.
    void NextFile() { m_method = 0; }

    // Bytes each method has moved so far.
    uint64_t BytesBy(CopyMethod method) const { return m_moved[size_t(method)]; }

private:
    enum class Step { Moved, Refused, SourceFailed, TargetFailed };
    Step InKernel(CopyMethod method, SystemFile& source, uint64_t& offset, SystemFile& target, uint64_t& left);
    Step ReadWrite(SystemFile& source, uint64_t& offset, SystemFile& target, uint64_t& left);

    KernelCopyCalls m_calls;
    size_t m_method = 0;  // index of the method this source file is on
    std::array<uint64_t, kCopyMethods> m_moved{};
    std::unique_ptr<uint8_t[]> m_buffer;  // for reads and writes, made when first needed
};

}  // namespace bb::recorder::image

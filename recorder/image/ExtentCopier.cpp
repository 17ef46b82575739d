#include "recorder/image/ExtentCopier.h"

#include <algorithm>
#include <cerrno>

namespace bb::recorder::image {
namespace {

// Plain copies go through a buffer this big: large sequential requests
// without holding much memory (the writer asks for a few MiB at a time).
constexpr size_t kBufferBytes = size_t(1) << 20;
// One in-kernel call moves at most this much; the kernel caps it lower anyway.
constexpr uint64_t kMaxCall = uint64_t(1) << 30;

}  // namespace

ExtentCopier::ExtentCopier(KernelCopyCalls calls) : m_calls(calls) {}

ExtentCopier::Result ExtentCopier::Copy(SystemFile& source, uint64_t offset, SystemFile& target, uint64_t size) {
    uint64_t left = size;
    while (left > 0) {
        const auto method = CopyMethod(m_method);
        const Step step = method == CopyMethod::ReadWrite ? ReadWrite(source, offset, target, left)
                                                          : InKernel(method, source, offset, target, left);
        switch (step) {
        case Step::Moved: break;
        case Step::Refused: ++m_method; break;  // ReadWrite never refuses
        case Step::SourceFailed: return Result::SourceFailed;
        case Step::TargetFailed: return Result::TargetFailed;
        }
    }
    return Result::Done;
}

ExtentCopier::Step ExtentCopier::InKernel(CopyMethod method, SystemFile& source, uint64_t& offset,
                                          SystemFile& target, uint64_t& left) {
    auto* const copyFileRange = m_calls.copyFileRange;
    auto* const sendFile = m_calls.sendFile;
    if (method == CopyMethod::CopyFileRange ? copyFileRange == nullptr : sendFile == nullptr) return Step::Refused;
    while (left > 0) {
        const size_t want = size_t(std::min(left, kMaxCall));
        const int64_t n = method == CopyMethod::CopyFileRange
                              ? copyFileRange(source.Descriptor(), &offset, target.Descriptor(), want)
                              : sendFile(target.Descriptor(), source.Descriptor(), &offset, want);
        if (n > 0) {
            left -= uint64_t(n);
            m_moved[size_t(method)] += uint64_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && platform::IsNoRoomError(errno)) return Step::TargetFailed;
        // Refused (EXDEV, ENOSYS, EINVAL, EOPNOTSUPP, ...), failed some other
        // way, or an early end of the source: the next method carries on from
        // this byte, and plain reads and writes tell which side is at fault.
        return Step::Refused;
    }
    return Step::Moved;
}

ExtentCopier::Step ExtentCopier::ReadWrite(SystemFile& source, uint64_t& offset, SystemFile& target,
                                           uint64_t& left) {
    if (!m_buffer) m_buffer = std::make_unique<uint8_t[]>(kBufferBytes);
    if (!source.Seek(offset)) return Step::SourceFailed;
    while (left > 0) {
        const size_t want = size_t(std::min<uint64_t>(left, kBufferBytes));
        if (source.Read(m_buffer.get(), want) != int64_t(want)) return Step::SourceFailed;
        if (!target.WriteAll(m_buffer.get(), want)) return Step::TargetFailed;
        offset += want;
        left -= want;
        m_moved[size_t(CopyMethod::ReadWrite)] += want;
    }
    return Step::Moved;
}

}  // namespace bb::recorder::image

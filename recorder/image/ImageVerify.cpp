// VerifyImage: reads every file back from the written image and compares it
// with its source, in one pass over both in disc order.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/base/SystemFile.h"
#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image {

using platform::SystemFile;

WriteResult VerifyImage(const Plan& plan, const std::string& imagePath, const Callbacks& callbacks) {
    // Large reads of each file in turn; the system's read-ahead, told that
    // both are read front to back, keeps the disk streaming.
    constexpr size_t kChunk = size_t(2) << 20;
    SystemFile image;
    if (!image.OpenRead(imagePath)) return {Status::SourceUnreadable, "cannot open the image " + imagePath};
    uint64_t total = 0, done = 0;
    for (const FileExtent& f : plan.Files()) total += f.size;
    image.ReadsSequentially();
    std::vector<uint8_t> a(kChunk), b(kChunk);
    int lastPercent = -1;
    if (callbacks.progress) callbacks.progress(0);
    for (const FileExtent& f : plan.Files()) {
        SystemFile source;
        if (!source.OpenRead(f.sourcePath)) return {Status::SourceUnreadable, "cannot open " + f.sourcePath};
        source.ReadsSequentially();
        if (!image.Seek(uint64_t(f.startSector) * kSectorSize))
            return {Status::SourceUnreadable, "the image is shorter than planned"};
        uint64_t left = f.size;
        while (left > 0) {
            const size_t n = size_t(std::min<uint64_t>(left, kChunk));
            if (source.Read(a.data(), n) != int64_t(n))
                return {Status::SourceUnreadable, "cannot read " + f.sourcePath};
            if (image.Read(b.data(), n) != int64_t(n))
                return {Status::SourceUnreadable, "the image is shorter than planned"};
            if (std::memcmp(a.data(), b.data(), n) != 0)
                return {Status::WriteFailed, "verification failed: " + f.discPath + " differs from its source"};
            left -= n;
            done += n;
            if (callbacks.aborted && callbacks.aborted()) return {Status::Aborted, "aborted"};
            const int percent = total ? int(done * 100 / total) : 100;
            if (callbacks.progress && percent != lastPercent) callbacks.progress(lastPercent = percent);
        }
    }
    if (callbacks.progress && lastPercent != 100) callbacks.progress(100);
    return {};
}

}  // namespace bb::recorder::image

#include "recorder/image/ImageFileSink.h"

namespace rec::image {

bool ImageFileSink::Create(const std::string& path) {
    written_ = 0;
    return file_.Create(path);
}

bool ImageFileSink::Write(const void* data, size_t size) {
    if (!file_.IsOpen() || !file_.WriteAll(data, size)) return false;
    written_ += size;
    return true;
}

Sink::CopyResult ImageFileSink::CopyFromFile(const std::string& sourcePath, uint64_t offset, uint64_t size) {
    if (!file_.IsOpen()) return CopyResult::SinkFailed;
    // The writer asks for one file's data in consecutive slices; the source
    // stays open from one slice to the next.
    if (!source_.IsOpen() || sourcePath != sourcePath_) {
        sourcePath_ = sourcePath;
        copier_.NextFile();
        if (!source_.OpenRead(sourcePath)) {
            sourcePath_.clear();
            return CopyResult::SourceFailed;
        }
        source_.ReadsSequentially();
    }
    switch (copier_.Copy(source_, offset, file_, size)) {
    case ExtentCopier::Result::Done: written_ += size; return CopyResult::Done;
    case ExtentCopier::Result::SourceFailed: return CopyResult::SourceFailed;
    case ExtentCopier::Result::TargetFailed: return CopyResult::SinkFailed;
    }
    return CopyResult::SinkFailed;
}

bool ImageFileSink::Close() {
    (void)source_.Close();
    sourcePath_.clear();
    return file_.Close();
}

}  // namespace rec::image

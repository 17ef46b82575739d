// Writes the image of a DVD root to a file with the recording library's
// writer: the benchmark driver, also handy to look at an image by hand.
//
//   image_write_bench ROOT OUT.iso [--realloc] [--joliet] [--no-udf]
//                     [--label TEXT] [--time SECONDS] [--nrg] [--verify] [--no-copy]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef __linux__
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

#include "recorder/image/ImageWriter.h"
#include "tests/bench/DvdRootTree.h"

namespace {

// An unbuffered file; on Linux file data is copied inside the kernel
// (copy_file_range), as cat does.
class FileSink : public rec::image::Sink {
public:
    explicit FileSink(std::FILE* f) : f_(f) {}
    ~FileSink() override { CloseSource(); }
    bool Write(const void* data, size_t size) override { return std::fwrite(data, 1, size, f_) == size; }

#ifdef __linux__
    CopyResult CopyFromFile(const std::string& path, uint64_t offset, uint64_t size) override {
        if (!copying_) return CopyResult::Unsupported;
        if (path != sourcePath_) {
            CloseSource();
            sourceFd_ = ::open(path.c_str(), O_RDONLY);
            if (sourceFd_ < 0) return CopyResult::SourceFailed;
            sourcePath_ = path;
        }
        loff_t in = loff_t(offset);
        uint64_t left = size;
        while (left > 0) {
            const ssize_t n = ::copy_file_range(sourceFd_, &in, fileno(f_), nullptr, size_t(left), 0);
            if (n < 0 && left == size && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                copying_ = false;  // another file system or an old kernel: plain writes
                return CopyResult::Unsupported;
            }
            if (n < 0) return errno == EIO ? CopyResult::SourceFailed : CopyResult::SinkFailed;
            if (n == 0) return CopyResult::SourceFailed;  // the source ended early
            left -= uint64_t(n);
        }
        return CopyResult::Done;
    }
#endif

    void DisableCopy() { copying_ = false; }

private:
    void CloseSource() {
#ifdef __linux__
        if (sourceFd_ >= 0) ::close(sourceFd_);
        sourceFd_ = -1;
        sourcePath_.clear();
#endif
    }
    std::FILE* f_;
    [[maybe_unused]] bool copying_ = true;
    [[maybe_unused]] int sourceFd_ = -1;
    std::string sourcePath_;
};

const char* StatusName(rec::image::Status s) {
    switch (s) {
    case rec::image::Status::Ok: return "ok";
    case rec::image::Status::ReallocFailed: return "realloc failed";
    case rec::image::Status::SourceUnreadable: return "source unreadable";
    case rec::image::Status::WriteFailed: return "write failed";
    case rec::image::Status::Aborted: return "aborted";
    case rec::image::Status::InvalidTree: return "invalid tree";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT OUT [--realloc] [--joliet] [--no-udf] [--label TEXT] [--time S] [--nrg] [--verify] [--no-copy]\n", argv[0]);
        return 2;
    }
    rec::image::Options options;
    options.volumeLabel = "DVD_VIDEO";
    bool nrg = false, verify = false, plainWrites = false;
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--realloc") options.dvdVideoRealloc = true;
        else if (a == "--joliet") options.joliet = true;
        else if (a == "--no-udf") options.udf = false;
        else if (a == "--nrg") nrg = true;
        else if (a == "--verify") verify = true;
        else if (a == "--no-copy") plainWrites = true;
        else if (a == "--label" && i + 1 < argc) options.volumeLabel = argv[++i];
        else if (a == "--time" && i + 1 < argc) options.recordingTime = std::atoll(argv[++i]);
        else {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return 2;
        }
    }
    const auto started = std::chrono::steady_clock::now();
    rec::image::PlanResult planned = rec::image::PlanImage(rec::image::testing::ScanDvdRoot(argv[1]), options);
    if (planned.status != rec::image::Status::Ok) {
        std::fprintf(stderr, "plan: %s: %s\n", StatusName(planned.status), planned.message.c_str());
        return 3;
    }
    std::FILE* f = std::fopen(argv[2], "wb");
    if (!f) {
        std::perror(argv[2]);
        return 4;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    FileSink sink(f);
    if (plainWrites) sink.DisableCopy();
    rec::image::WriteResult written = rec::image::WriteImage(*planned.plan, sink, {});
    bool footerOk = !nrg || rec::image::WriteNrgFooter(sink, planned.plan->TotalSectors(), true);
    if (std::fclose(f) != 0) footerOk = false;
    if (written.status != rec::image::Status::Ok || !footerOk) {
        std::fprintf(stderr, "write: %s: %s\n", StatusName(written.status), written.message.c_str());
        std::remove(argv[2]);
        return 5;
    }
    if (verify) {
        rec::image::WriteResult checked = rec::image::VerifyImage(*planned.plan, argv[2], {});
        if (checked.status != rec::image::Status::Ok) {
            std::fprintf(stderr, "verify: %s\n", checked.message.c_str());
            return 6;
        }
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%llu sectors in %.2f s\n", (unsigned long long)planned.plan->TotalSectors(), secs);
    for (const auto& e : planned.plan->Files())
        std::printf("%10u %12llu %s\n", e.startSector, (unsigned long long)e.size, e.discPath.c_str());
    return 0;
}

// Writes the image of a DVD root to a file with the recording library's
// writer: the benchmark driver, also handy to look at an image by hand.
//
//   image_write_bench ROOT OUT.iso [--realloc] [--joliet] [--no-udf]
//                     [--label TEXT] [--time SECONDS] [--nrg] [--verify]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "recorder/image/ImageWriter.h"
#include "tests/bench/DvdRootTree.h"

namespace {

class FileSink : public rec::image::Sink {
public:
    explicit FileSink(std::FILE* f) : f_(f) {}
    bool Write(const void* data, size_t size) override { return std::fwrite(data, 1, size, f_) == size; }

private:
    std::FILE* f_;
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
        std::fprintf(stderr, "usage: %s ROOT OUT [--realloc] [--joliet] [--no-udf] [--label TEXT] [--time S] [--nrg] [--verify]\n", argv[0]);
        return 2;
    }
    rec::image::Options options;
    options.volumeLabel = "DVD_VIDEO";
    bool nrg = false, verify = false;
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--realloc") options.dvdVideoRealloc = true;
        else if (a == "--joliet") options.joliet = true;
        else if (a == "--no-udf") options.udf = false;
        else if (a == "--nrg") nrg = true;
        else if (a == "--verify") verify = true;
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

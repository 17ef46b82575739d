// Writes the image of a DVD root to a file with the recording library's
// writer and its image file sink, without the program around them: handy to
// look at an image by hand and to time the writer alone (bench/image-write.sh
// times the program itself).
//
//   image_write_bench ROOT OUT.iso [--realloc] [--joliet] [--no-udf]
//                     [--label TEXT] [--time SECONDS] [--nrg] [--verify] [--no-copy]
//                     [--no-reserve] [--verify-only]
// --verify-only compares an image written before with the sources.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "recorder/image/ImageFileSink.h"
#include "recorder/image/ImageWriter.h"
#include "tests/bench/DvdRootTree.h"

namespace bb::bench {

namespace {

const char* StatusName(recorder::image::Status s) {
    switch (s) {
    case recorder::image::Status::Ok: return "ok";
    case recorder::image::Status::ReallocFailed: return "realloc failed";
    case recorder::image::Status::SourceUnreadable: return "source unreadable";
    case recorder::image::Status::WriteFailed: return "write failed";
    case recorder::image::Status::Aborted: return "aborted";
    case recorder::image::Status::InvalidTree: return "invalid tree";
    }
    return "?";
}

// Writes the image; 0 or the exit status of a failure.
int WriteTo(const char* path, const recorder::image::Plan& plan, bool nrg, bool plainWrites, bool reserve) {
    // The recording library's own sink; --no-copy takes away the in-kernel calls.
    recorder::image::ImageFileSink sink(plainWrites ? recorder::image::KernelCopyCalls{} : recorder::image::SystemKernelCopyCalls());
    if (!sink.Create(path)) {
        std::perror(path);
        return 4;
    }
    const uint64_t imageBytes = plan.TotalSectors() * recorder::image::kSectorSize;
    const uint64_t footerBytes = nrg ? recorder::image::BuildNrgFooter(plan.TotalSectors(), true).size() : 0;
    if (reserve && sink.Reserve(imageBytes + footerBytes) == recorder::image::SystemFile::Reservation::NoSpace) {
        std::fprintf(stderr, "%s: not enough disk space\n", path);
        return 4;
    }
    recorder::image::WriteResult written = recorder::image::WriteImage(plan, sink, {});
    bool footerOk = !nrg || recorder::image::WriteNrgFooter(sink, plan.TotalSectors(), true);
    if (!sink.Close()) footerOk = false;
    if (written.status != recorder::image::Status::Ok || !footerOk) {
        std::fprintf(stderr, "write: %s: %s\n", StatusName(written.status), written.message.c_str());
        std::remove(path);
        return 5;
    }
    return 0;
}

}  // namespace

int Main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT OUT [--realloc] [--joliet] [--no-udf] [--label TEXT] [--time S] [--nrg] [--verify] [--no-copy] [--no-reserve] [--verify-only]\n", argv[0]);
        return 2;
    }
    recorder::image::Options options;
    options.volumeLabel = "DVD_VIDEO";
    bool nrg = false, verify = false, verifyOnly = false, plainWrites = false, reserve = true;
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--realloc") options.dvdVideoRealloc = true;
        else if (a == "--joliet") options.joliet = true;
        else if (a == "--no-udf") options.udf = false;
        else if (a == "--nrg") nrg = true;
        else if (a == "--verify") verify = true;
        else if (a == "--no-copy") plainWrites = true;
        else if (a == "--no-reserve") reserve = false;
        else if (a == "--verify-only") verify = verifyOnly = true;
        else if (a == "--label" && i + 1 < argc) options.volumeLabel = argv[++i];
        else if (a == "--time" && i + 1 < argc) options.recordingTime = std::atoll(argv[++i]);
        else {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return 2;
        }
    }
    const auto started = std::chrono::steady_clock::now();
    recorder::image::PlanResult planned = recorder::image::PlanImage(recorder::image::testing::ScanDvdRoot(argv[1]), options);
    if (planned.status != recorder::image::Status::Ok) {
        std::fprintf(stderr, "plan: %s: %s\n", StatusName(planned.status), planned.message.c_str());
        return 3;
    }
    if (!verifyOnly) {
        if (const int failed = WriteTo(argv[2], *planned.plan, nrg, plainWrites, reserve)) return failed;
    }
    if (verify) {
        recorder::image::WriteResult checked = recorder::image::VerifyImage(*planned.plan, argv[2], {});
        if (checked.status != recorder::image::Status::Ok) {
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

}  // namespace bb::bench

int main(int argc, char** argv) { return bb::bench::Main(argc, argv); }

// Writes the image of a DVD root to a file with the recording library's
// writer and image file sink, without the program around them (times the
// writer alone; bench/image-write.sh times the program, tests/e2e/image
// hands the images to independent readers).
//
//   image_write_bench ROOT OUT.iso [--realloc] [--joliet] [--label TEXT] [--time SECONDS] [--verify-only]
// --verify-only compares an image written before with the sources.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "recorder/image/ImageFileSink.h"
#include "recorder/image/ImageWriter.h"
#include "tests/bench/DvdRootTree.h"

namespace bb::bench {

using namespace recorder::image;

int Main(int argc, char** argv) {
    Options options;
    options.volumeLabel = "DVD_VIDEO";
    bool verifyOnly = false;
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--realloc") options.dvdVideoRealloc = true;
        else if (a == "--joliet") options.joliet = true;
        else if (a == "--verify-only") verifyOnly = true;
        else if (a == "--label" && i + 1 < argc) options.volumeLabel = argv[++i];
        else if (a == "--time" && i + 1 < argc) options.recordingTime = std::atoll(argv[++i]);
        else argc = 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: image_write_bench ROOT OUT [--realloc] [--joliet] [--label TEXT] [--time S] [--verify-only]\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    const PlanResult planned = PlanImage(testing::ScanDvdRoot(argv[1]), options);
    if (planned.status != Status::Ok) {
        std::fprintf(stderr, "plan: status %d: %s\n", int(planned.status), planned.message.c_str());
        return 3;
    }
    WriteResult result;
    if (verifyOnly) {
        result = VerifyImage(*planned.plan, argv[2], {});
    } else {
        ImageFileSink sink;
        if (!sink.Create(argv[2])) {
            std::perror(argv[2]);
            return 4;
        }
        result = WriteImage(*planned.plan, sink, {});
        if (!sink.Close() && result.status == Status::Ok) result = {Status::WriteFailed, "close failed"};
        if (result.status != Status::Ok) std::remove(argv[2]);
    }
    if (result.status != Status::Ok) {
        std::fprintf(stderr, "%s: status %d: %s\n", verifyOnly ? "verify" : "write", int(result.status),
                     result.message.c_str());
        return 5;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%llu sectors in %.2f s\n", (unsigned long long)planned.plan->TotalSectors(), secs);
    for (const auto& e : planned.plan->Files())
        std::printf("%10u %12llu %s\n", e.startSector, (unsigned long long)e.size, e.discPath.c_str());
    return 0;
}

}  // namespace bb::bench

int main(int argc, char** argv) { return bb::bench::Main(argc, argv); }

// The image file sink: file contents copied in the kernel, through sendfile
// or through plain reads and writes give the very image the writer makes in
// memory; room for the image is reserved before the first byte.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "recorder/image/ImageFileSink.h"
#include "tests/bench/DvdRootTree.h"
#include "tests/recorder/image/DvdVideoFiles.h"
#include "tests/support/Sandbox.h"

namespace bb::recorder::image {
namespace {

using bb::test::Sandbox;
using testing::VectorSink;

// Stand-ins for the in-kernel calls, each refusing the way some file system
// or kernel does.
int64_t RangeCrossDevice(int, uint64_t*, int, size_t) {
    errno = EXDEV;
    return -1;
}
int64_t RangeMissing(int, uint64_t*, int, size_t) {
    errno = ENOSYS;
    return -1;
}
int64_t RangeMovesNothing(int, uint64_t*, int, size_t) { return 0; }
int64_t RangeDiskFull(int, uint64_t*, int, size_t) {
    errno = ENOSPC;
    return -1;
}
int64_t SendInvalid(int, int, uint64_t*, size_t) {
    errno = EINVAL;
    return -1;
}
// Copies 256 KiB for real, then refuses: a switch in the middle of a file.
constexpr uint64_t kBeforeRefusal = 256u << 10;
int realCallsLeft = 0;
int64_t RangeOnceThenRefuse(int source, uint64_t* offset, int target, size_t size) {
    if (realCallsLeft-- <= 0) return RangeCrossDevice(source, offset, target, size);
    return SystemKernelCopyCalls().copyFileRange(source, offset, target, std::min<size_t>(size, kBeforeRefusal));
}
// Refuses once, then copies for real: one file on a file system that refuses.
int refusalsLeft = 0;
int64_t RangeRefuseOnce(int source, uint64_t* offset, int target, size_t size) {
    if (refusalsLeft-- > 0) return RangeCrossDevice(source, offset, target, size);
    return SystemKernelCopyCalls().copyFileRange(source, offset, target, size);
}

class ImageFileSinkCopies : public ::testing::Test {
protected:
    void SetUp() override {
        // The sample, plus a file of several slices with a short last sector.
        tree = testing::ScanDvdRoot(testing::SampleRoot());
        testing::WritePattern(box.At("extra"), (9u << 20) + 77, 3);
        tree.children.push_back(Node{"EXTRA.BIN", false, box.At("extra"), {}});
        Options options;
        options.dvdVideoRealloc = true;
        options.volumeLabel = "SAMPLE";
        options.recordingTime = 1700000000;
        planned = PlanImage(tree, options);
        ASSERT_EQ(planned.status, Status::Ok) << planned.message;
        ASSERT_EQ(WriteImage(*planned.plan, inMemory, {}).status, Status::Ok);
        // What reaches CopyFromFile: the data of every file of 256 KiB or more.
        for (const FileExtent& f : planned.plan->Files()) {
            if (f.size < (256u << 10)) continue;
            if (copied == 0) firstCopied = f.size;
            copied += f.size;
        }
        ASSERT_GT(firstCopied, kBeforeRefusal);
    }

    // Writes the image to `name` through `sink`.
    std::vector<uint8_t> WriteFile(const std::string& name, ImageFileSink& sink) {
        EXPECT_TRUE(sink.Create(box.At(name)));
        const WriteResult r = WriteImage(*planned.plan, sink, {});
        EXPECT_EQ(r.status, Status::Ok) << r.message;
        EXPECT_TRUE(sink.Close());
        EXPECT_EQ(sink.Written(), planned.plan->TotalSectors() * kSectorSize);
        const std::string bytes = box.Read(name);
        return {bytes.begin(), bytes.end()};
    }

    Sandbox box;
    Node tree;
    PlanResult planned;
    VectorSink inMemory;
    uint64_t copied = 0;
    uint64_t firstCopied = 0;  // the first file that CopyFromFile gets
};

// The system's own calls, each refusal and a switch of method in the middle
// of a file or between files all give the very image made in memory.
TEST_F(ImageFileSinkCopies, EveryWayOfCopyingGivesTheSameImage) {
    const KernelCopyCalls system = SystemKernelCopyCalls();
    // Where the platform has sendfile it takes over; elsewhere reads and writes.
    const CopyMethod afterRange = system.sendFile ? CopyMethod::SendFile : CopyMethod::ReadWrite;
    struct Case {
        const char* what;
        KernelCopyCalls calls;
        uint64_t inKernel;  // by copy_file_range
        CopyMethod carrier;  // moves the rest
        bool anyMethod = false;  // only the total is known
    } cases[] = {
        {"copy_file_range across devices", {RangeCrossDevice, system.sendFile}, 0, afterRange},
        {"copy_file_range missing from the kernel", {RangeMissing, system.sendFile}, 0, afterRange},
        {"copy_file_range moving nothing", {RangeMovesNothing, system.sendFile}, 0, afterRange},
        {"sendfile refused too", {RangeCrossDevice, SendInvalid}, 0, CopyMethod::ReadWrite},
        {"no in-kernel calls at all", {}, 0, CopyMethod::ReadWrite},
        {"copy_file_range refusing after 256 KiB", {RangeOnceThenRefuse, SendInvalid}, kBeforeRefusal,
         CopyMethod::ReadWrite},
        // The first big file goes through reads and writes, the others through
        // the kernel again.
        {"one file refused", {RangeRefuseOnce, SendInvalid}, copied - firstCopied, CopyMethod::ReadWrite},
        {"the system's calls", system, 0, CopyMethod::ReadWrite, true},
    };
    for (const Case& c : cases) {
        const bool copiesForReal =
            c.calls.copyFileRange == RangeOnceThenRefuse || c.calls.copyFileRange == RangeRefuseOnce;
        if (copiesForReal && !system.copyFileRange) continue;
        realCallsLeft = 1, refusalsLeft = 1;
        ImageFileSink sink(c.calls);
        EXPECT_TRUE(WriteFile("copy.iso", sink) == inMemory.bytes) << c.what;
        const ExtentCopier& copier = sink.Copier();
        if (c.anyMethod) {
            EXPECT_EQ(copier.BytesBy(CopyMethod::CopyFileRange) + copier.BytesBy(CopyMethod::SendFile) +
                          copier.BytesBy(CopyMethod::ReadWrite),
                      copied);
            // sendfile, where the platform has it, takes any regular file.
            EXPECT_TRUE(!system.sendFile || copier.BytesBy(CopyMethod::ReadWrite) == 0u);
            continue;
        }
        EXPECT_EQ(copier.BytesBy(CopyMethod::CopyFileRange), c.inKernel) << c.what;
        EXPECT_EQ(copier.BytesBy(c.carrier), copied - c.inKernel) << c.what;
    }
}

TEST(ImageFileSink, SourceAndTargetFaultsAreToldApart) {
    Sandbox box;
    testing::WritePattern(box.At("source"), 3u << 20, 1);
    ImageFileSink sink;
    ASSERT_TRUE(sink.Create(box.At("image.iso")));
    EXPECT_EQ(sink.CopyFromFile(box.At("missing"), 0, 1 << 20), Sink::CopyResult::SourceFailed);
    // Beyond the source's end, by every method.
    EXPECT_EQ(sink.CopyFromFile(box.At("source"), 2u << 20, 2u << 20), Sink::CopyResult::SourceFailed);
    EXPECT_TRUE(sink.Close());
    EXPECT_EQ(sink.CopyFromFile(box.At("source"), 0, 1 << 20), Sink::CopyResult::SinkFailed);
    EXPECT_FALSE(sink.Write("x", 1));

    // A full disk met by the in-kernel copy is the image's fault: no other
    // method is tried on it.
    ImageFileSink full(KernelCopyCalls{RangeDiskFull, nullptr});
    ASSERT_TRUE(full.Create(box.At("full.iso")));
    EXPECT_EQ(full.CopyFromFile(box.At("source"), 0, 1 << 20), Sink::CopyResult::SinkFailed);
    EXPECT_EQ(full.Copier().BytesBy(CopyMethod::ReadWrite), 0u);
}

TEST(ImageFileSink, ReservesRoomWithoutGrowingTheFileAndRefusesWhatCannotFit) {
    Sandbox box;
    ImageFileSink sink;
    ASSERT_TRUE(sink.Create(box.At("image.iso")));
    const SystemFile::Reservation fits = sink.Reserve(64u << 20);
    if (fits == SystemFile::Reservation::Unsupported) GTEST_SKIP() << "this file system reserves nothing";
    EXPECT_EQ(fits, SystemFile::Reservation::Done);
    // Far more than any disk here holds (and than ext4 lets one file have).
    EXPECT_EQ(sink.Reserve(uint64_t(1) << 50), SystemFile::Reservation::NoSpace);
    ASSERT_TRUE(sink.Write("abc", 3));
    EXPECT_TRUE(sink.Close());
    EXPECT_EQ(std::filesystem::file_size(box.At("image.iso")), 3u);
}

}  // namespace
}  // namespace bb::recorder::image

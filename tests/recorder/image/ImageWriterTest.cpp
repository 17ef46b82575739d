// Whole images: planned and streamed into memory or through sinks that copy
// files themselves; pads, faults, aborts and verification. The images' file
// systems are read back by independent tools in tests/e2e/image.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "recorder/image/ImageWriter.h"
#include "tests/bench/DvdRootTree.h"
#include "tests/recorder/image/DvdVideoFiles.h"
#include "tests/support/Sandbox.h"

namespace bb::recorder::image {
namespace {

using bb::test::Sandbox;
using testing::VectorSink;

Node File(const std::string& name, const std::string& source) { return Node{name, false, source, {}}; }
Node Folder(const std::string& name, std::vector<Node> children) { return Node{name, true, "", std::move(children)}; }

Options ReallocOptions() {
    Options o;
    o.dvdVideoRealloc = true;
    o.volumeLabel = "Sample DVD";
    o.recordingTime = 1700000000;
    return o;
}

TEST(ImageWriter, PadsBetweenDvdVideoFilesAreZeros) {
    // The sample is packed without gaps; these IFOs leave room after the
    // manager's IFO, the title set's IFO, its menu and its last title VOB.
    Sandbox box;
    testing::WriteVmgIfo(box.At("VIDEO_TS.IFO"), 2, 31, 1, 0, {{1, 32}});
    testing::WritePattern(box.At("VIDEO_TS.BUP"), 2 * kSectorSize, 11);
    testing::WriteVtsIfo(box.At("VTS_01_0.IFO"), 2, 24, 4, 10);
    testing::WritePattern(box.At("VTS_01_0.VOB"), 4 * kSectorSize - 100, 12);
    testing::WritePattern(box.At("VTS_01_1.VOB"), 5 * kSectorSize, 13);
    testing::WritePattern(box.At("VTS_01_2.VOB"), 3 * kSectorSize, 14);
    testing::WritePattern(box.At("VTS_01_0.BUP"), 2 * kSectorSize, 15);
    Node videoTs = Folder("VIDEO_TS", {});
    for (const char* name : {"VIDEO_TS.IFO", "VIDEO_TS.BUP", "VTS_01_0.IFO", "VTS_01_0.VOB", "VTS_01_1.VOB",
                             "VTS_01_2.VOB", "VTS_01_0.BUP"})
        videoTs.children.push_back(File(name, box.At(name)));
    const Node tree = Folder("", {videoTs});
    PlanResult planned = PlanImage(tree, ReallocOptions());
    ASSERT_EQ(planned.status, Status::Ok) << planned.message;
    VectorSink sink;
    ASSERT_EQ(WriteImage(*planned.plan, sink, {}).status, Status::Ok);
    const std::vector<uint8_t>& image = sink.bytes;
    ASSERT_EQ(image.size(), planned.plan->TotalSectors() * kSectorSize);
    EXPECT_LE(sink.maxChunk, size_t(4) << 20);

    const uint32_t base = planned.plan->Files()[0].startSector;
    std::vector<bool> used(planned.plan->TotalSectors(), false);
    for (const FileExtent& f : planned.plan->Files())
        for (uint64_t s = 0; s < (f.size + kSectorSize - 1) / kSectorSize; ++s) used[f.startSector + s] = true;
    std::vector<uint32_t> pads;
    for (uint32_t s = base; s < base + 57; ++s) {
        if (used[s]) continue;
        pads.push_back(s - base);
        const auto first = image.begin() + long(s) * kSectorSize;
        EXPECT_TRUE(std::all_of(first, first + kSectorSize, [](uint8_t b) { return b == 0; })) << "sector " << s;
    }
    // After VIDEO_TS.IFO up to its BUP, then two sectors after each part of the set and five before the BUP.
    std::vector<uint32_t> expected;
    for (uint32_t s = 2; s < 30; ++s) expected.push_back(s);
    for (uint32_t s : {34u, 35u, 40u, 41u, 50u, 51u, 52u, 53u, 54u}) expected.push_back(s);
    EXPECT_EQ(pads, expected);
    // The short tail of the menu VOB's last sector is zero too.
    const size_t menuEnd = size_t(base + 36) * kSectorSize + 4 * kSectorSize - 100;
    EXPECT_TRUE(std::all_of(image.begin() + long(menuEnd), image.begin() + long(menuEnd) + 100,
                            [](uint8_t b) { return b == 0; }));
}

// A file-backed sink's fast path, faked: reads the requested bytes itself.
class CopyingSink : public VectorSink {
public:
    enum class Mode { Copy, Unsupported, FailWrite, FailRead };
    explicit CopyingSink(Mode mode) : m_mode(mode) {}
    CopyResult CopyFromFile(const std::string& path, uint64_t offset, uint64_t size) override {
        ++copyCalls;
        if (m_mode == Mode::Unsupported) return CopyResult::Unsupported;
        if (m_mode == Mode::FailWrite) return CopyResult::SinkFailed;
        if (m_mode == Mode::FailRead) return CopyResult::SourceFailed;
        std::ifstream in(path, std::ios::binary);
        in.seekg(std::streamoff(offset));
        std::vector<char> data(size);
        if (!in.read(data.data(), std::streamsize(size))) return CopyResult::SourceFailed;
        bytes.insert(bytes.end(), data.begin(), data.end());
        return CopyResult::Done;
    }
    size_t copyCalls = 0;

private:
    Mode m_mode;
};

TEST(ImageWriter, SinksThatCopyFilesThemselvesGetTheSameImage) {
    Sandbox box;
    testing::WritePattern(box.At("a"), (70u << 20) + 77, 5);  // several slices, the last short
    testing::WritePattern(box.At("b"), 3000, 6);               // small: always through Write
    PlanResult planned = PlanImage(Folder("", {File("a", box.At("a")), File("b", box.At("b"))}), Options{});
    ASSERT_EQ(planned.status, Status::Ok);
    VectorSink plain;
    ASSERT_EQ(WriteImage(*planned.plan, plain, {}).status, Status::Ok);

    struct Case { CopyingSink::Mode mode; Status status; size_t copyCalls; } cases[] = {
        {CopyingSink::Mode::Copy, Status::Ok, 2},
        {CopyingSink::Mode::Unsupported, Status::Ok, 1},  // asked once, then plain writes
        {CopyingSink::Mode::FailWrite, Status::WriteFailed, 1},
        {CopyingSink::Mode::FailRead, Status::SourceUnreadable, 1},
    };
    for (const Case& c : cases) {
        CopyingSink sink(c.mode);
        WriteResult r = WriteImage(*planned.plan, sink, {});
        EXPECT_EQ(r.status, c.status) << int(c.mode);
        // Slices follow the measured speed; 70 MiB never fit in one.
        if (c.mode == CopyingSink::Mode::Copy) {
            EXPECT_GE(sink.copyCalls, c.copyCalls);
        } else {
            EXPECT_EQ(sink.copyCalls, c.copyCalls) << int(c.mode);
        }
        EXPECT_TRUE(c.status != Status::Ok || sink.bytes == plain.bytes) << int(c.mode);
    }
}

TEST(ImageWriter, RefusesInvalidTreesAndBrokenIfos) {
    Sandbox box;
    testing::WritePattern(box.At("a"), 100, 1);
    testing::WritePattern(box.At("VIDEO_TS.IFO"), 4096, 2);  // no DVD-Video header
    auto file = [&](const std::string& name, const std::string& source) { return File(name, box.At(source)); };
    auto dir = Folder;
    struct Case { const char* what; Node tree; bool realloc; Status status; } cases[] = {
        {"duplicate", dir("", {file("A", "a"), file("A", "a")}), false, Status::InvalidTree},
        {"empty name", dir("", {file("", "a")}), false, Status::InvalidTree},
        {"slash", dir("", {file("x/y", "a")}), false, Status::InvalidTree},
        {"long name", dir("", {file(std::string(300, 'n'), "a")}), false, Status::InvalidTree},
        {"missing source", dir("", {file("A", "nothing")}), false, Status::SourceUnreadable},
        {"bad IFO", dir("", {dir("VIDEO_TS", {file("VIDEO_TS.IFO", "VIDEO_TS.IFO")})}), true, Status::ReallocFailed},
        {"no VIDEO_TS", dir("", {file("A", "a")}), true, Status::ReallocFailed},
        {"bad IFO, no realloc", dir("", {dir("VIDEO_TS", {file("VIDEO_TS.IFO", "VIDEO_TS.IFO")})}), false, Status::Ok},
    };
    for (const Case& c : cases) {
        Options o;
        o.dvdVideoRealloc = c.realloc;
        PlanResult r = PlanImage(c.tree, o);
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.message;
        EXPECT_EQ(r.plan != nullptr, c.status == Status::Ok) << c.what;
        EXPECT_TRUE(c.status == Status::Ok || !r.message.empty()) << c.what;
    }
}

// Counts what it is given; beyond `limit` bytes it fails like a full disk.
class NullSink : public Sink {
public:
    explicit NullSink(uint64_t limit = UINT64_MAX) : m_limit(limit) {}
    bool Write(const void*, size_t size) override {
        if (bytes + size > m_limit) return false;
        bytes += size;
        return true;
    }
    uint64_t bytes = 0;

private:
    uint64_t m_limit;
};

TEST(ImageWriter, WriteFaultsAndChangedSourcesEndTheJob) {
    Sandbox box;
    testing::WritePattern(box.At("big"), 9 << 20, 3);
    PlanResult planned = PlanImage(Folder("", {File("BIG.BIN", box.At("big"))}), Options{});
    ASSERT_EQ(planned.status, Status::Ok);

    for (uint64_t limit : {uint64_t(0), uint64_t(4) << 20, uint64_t(8) << 20}) {
        NullSink sink(limit);
        WriteResult r = WriteImage(*planned.plan, sink, {});
        EXPECT_EQ(r.status, Status::WriteFailed) << limit;
        EXPECT_FALSE(r.message.empty());
    }

    // A file that shrank or grew since the plan would make the image disagree
    // with its own directory records.
    VectorSink sink;
    for (uint64_t size : {uint64_t(5) << 20, uint64_t(12) << 20}) {
        std::filesystem::resize_file(box.At("big"), size);
        WriteResult changed = WriteImage(*planned.plan, sink, {});
        EXPECT_EQ(changed.status, Status::SourceUnreadable) << size;
        EXPECT_NE(changed.message.find("changed size"), std::string::npos) << changed.message;
    }

    std::filesystem::remove(box.At("big"));
    EXPECT_EQ(WriteImage(*planned.plan, sink, {}).status, Status::SourceUnreadable);
}

// A file sink on a slow disk: copies itself at `mbPerSecond`.
class SlowCopySink : public NullSink {
public:
    explicit SlowCopySink(uint64_t mbPerSecond) : m_rate(mbPerSecond) {}
    CopyResult CopyFromFile(const std::string&, uint64_t, uint64_t size) override {
        std::this_thread::sleep_for(std::chrono::microseconds(size / m_rate));
        bytes += size;
        return CopyResult::Done;
    }

private:
    uint64_t m_rate;
};

TEST(ImageWriter, AbortIsAnsweredWithinASecond) {
    Sandbox box;
    // Sparse: 16 GiB that cost no disk space; far more than can be written in the test.
    { std::ofstream(box.At("huge")); }
    std::filesystem::resize_file(box.At("huge"), uint64_t(16) << 30);
    PlanResult planned = PlanImage(Folder("", {File("HUGE.BIN", box.At("huge"))}), Options{});
    ASSERT_EQ(planned.status, Status::Ok) << planned.message;

    NullSink plain;        // the writer reads and writes
    SlowCopySink slow(40);  // the sink copies, slowly
    SlowCopySink crawl(10);  // a USB stick: the first 4 MiB slice alone takes 0.4 s
    for (NullSink* sink : {&plain, static_cast<NullSink*>(&slow), static_cast<NullSink*>(&crawl)}) {
        using Clock = std::chrono::steady_clock;
        const auto started = Clock::now();
        Clock::time_point abortedAt{}, lastPoll = started;
        Clock::duration longestGap{};
        Callbacks cb;
        cb.aborted = [&] {
            const auto now = Clock::now();
            longestGap = std::max(longestGap, now - lastPoll);
            lastPoll = now;
            if (now - started < std::chrono::milliseconds(1500)) return false;
            if (abortedAt == Clock::time_point{}) abortedAt = now;
            return true;
        };
        WriteResult r = WriteImage(*planned.plan, *sink, cb);
        const auto answered = Clock::now();
        EXPECT_EQ(r.status, Status::Aborted);
        ASSERT_NE(abortedAt, Clock::time_point{});
        EXPECT_LT(answered - abortedAt, std::chrono::seconds(1));
        // Slices follow the disk's speed: the poll never waits a second.
        EXPECT_LT(longestGap, std::chrono::seconds(1));
        EXPECT_LT(sink->bytes, uint64_t(16) << 30);
    }
}

TEST(ImageWriter, VerifyFindsADamagedImage) {
    Sandbox box;
    const Node tree = testing::ScanDvdRoot(testing::SampleRoot());
    PlanResult planned = PlanImage(tree, ReallocOptions());
    ASSERT_EQ(planned.status, Status::Ok);
    VectorSink sink;
    ASSERT_EQ(WriteImage(*planned.plan, sink, {}).status, Status::Ok);
    testing::WriteBytes(box.At("image.iso"), sink.bytes);
    EXPECT_EQ(VerifyImage(*planned.plan, box.At("image.iso"), {}).status, Status::Ok);

    const FileExtent& vob = planned.plan->Files()[4];
    sink.bytes[size_t(vob.startSector) * kSectorSize + 1000] ^= 0x55;
    testing::WriteBytes(box.At("image.iso"), sink.bytes);
    WriteResult damaged = VerifyImage(*planned.plan, box.At("image.iso"), {});
    EXPECT_NE(damaged.status, Status::Ok);
    EXPECT_NE(damaged.message.find(vob.discPath), std::string::npos) << damaged.message;
}

}  // namespace
}  // namespace bb::recorder::image

// Simulated recorders: the disc in the tray, erasing, and the outcomes a
// recorder configuration rehearses.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace bb::recorder::test {
namespace {

namespace fs = std::filesystem;

struct DiscInfoDeleter {
    void operator()(neroapi::DiscInfo* info) const { Api().FreeMem(info); }
};
using DiscInfoPtr = std::unique_ptr<neroapi::DiscInfo, DiscInfoDeleter>;

class SimulatedRecorder : public LibraryBurnTest {
protected:
    void SetUp() override { speed = 2770; }
    // One recorder "Sim" with the given lines, opened afresh; durations a
    // thousandth of nominal.
    void Configure(const std::string& lines) {
        sandbox.WriteConfig("time scale = 0.001\n[Sim]\ndisc image = sim.iso\n" + lines);
        Open();
    }
    neroapi::DeviceHandle Open() {
        Api().CloseDevice(device);
        device = OpenByName("Sim");
        EXPECT_NE(device, nullptr);
        return device;
    }
    // A new handle reads the state earlier jobs left.
    DiscInfoPtr Info() { return DiscInfoPtr(Api().GetCDInfo(Open(), 3)); }
};

TEST_F(SimulatedRecorder, DiscInformationAndErasingTimeOfEachDisc) {
    struct Case { const char* lines; uint32_t kind, mask, hasData; int fullErase, quickErase; };
    const Case cases[] = {
        {"disc = data\nmedium = DVD-RW\nerase seconds = 600\nquick erase seconds = 40\n", 11, 0x1004, 1, 600, 40},
        {"disc = data\nmedium = DVD-RW\nerase seconds = -3\nquick erase seconds = -2\n", 11, 0x1004, 1, -3, -2},
        {"disc = data\nmedium = DVD+RW\n", 13, 0x4008, 1, 900, 60},
        {"disc = blank\nmedium = DVD+R\n", 12, 0x8, 0, -2, -2},
        {"disc = data\nmedium = CD-RW\n", 3, 0x1, 1, 900, 60},  // the default estimates
        {"disc = blank\nmedium = cd-r\n", 1, 0x1, 0, -2, -2},
        {"disc = data\nmedium = DVD-R\n", 10, 0x4, 1, -2, -2},
    };
    for (const Case& c : cases) {
        Configure(c.lines);
        EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseFull), c.fullErase) << c.lines;
        EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseQuick), c.quickErase) << c.lines;
        const DiscInfoPtr info = Info();
        ASSERT_NE(info, nullptr) << c.lines;
        EXPECT_EQ(info->mediumKind, c.kind) << c.lines;
        EXPECT_EQ(info->mediaMask, c.mask) << c.lines;
        EXPECT_EQ(info->hasData, c.hasData) << c.lines;
    }
    Configure("disc = none\nmedium = DVD-RW\n");
    EXPECT_EQ(Info(), nullptr);
    EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseFull), -1);
    neroapi::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().GetCDInfo(image, 3), nullptr);
    EXPECT_EQ(Api().EjectLoadCD(image, 1), 0);
    EXPECT_EQ(Api().GetCDRWErasingTime(image, neroapi::kEraseQuick), -1);
    Api().CloseDevice(image);
}

// An erase empties the disc for every later look, takes its time, and a
// failing one keeps the data and says why.
TEST_F(SimulatedRecorder, EraseOutcomes) {
    struct Case { const char* lines; int mode, result; uint64_t imageBytes; uint32_t hasData; const char* errorPart; };
    const Case cases[] = {
        {"disc = data\nmedium = DVD+RW\nquick erase seconds = 100\n", neroapi::kEraseQuick, 0, 0, 0, nullptr},
        {"disc = data\nmedium = DVD-RW\nquick erase seconds = 10\nerase fails = yes\n", neroapi::kEraseQuick, -1, 4096, 1,
         "could not be erased"},
        {"disc = blank\nmedium = DVD-R\n", neroapi::kEraseFull, -1, 4096, 0, nullptr},
    };
    for (const Case& c : cases) {
        Configure(c.lines);
        fs::remove(sandbox / "sim.iso.state");
        std::ofstream(sandbox / "sim.iso") << std::string(4096, 'x');
        Api().ClearErrors();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Api().EraseCDRW(device, c.mode), c.result) << c.lines;
        if (c.result == 0) {
            EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));  // 100 s x 0.001
        }
        if (c.errorPart != nullptr) {
            EXPECT_NE(TakeText(Api().GetErrorLog()).find(c.errorPart), std::string::npos) << c.lines;
        }
        EXPECT_EQ(fs::file_size(sandbox / "sim.iso"), c.imageBytes) << c.lines;
        const DiscInfoPtr info = Info();
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->hasData, c.hasData) << c.lines;
    }
    Api().ClearErrors();
}

// What a burn on each kind of disc and rehearsed fault returns, asks, logs
// and leaves on the disc.
TEST_F(SimulatedRecorder, BurnOutcomes) {
    constexpr int kNoDisc = -1;
    struct Case {
        const char* lines;
        uint32_t flags, isoFlags;
        int overwriteAnswer;
        const char* abortInPhase;
        int result;
        std::vector<int> requests;
        const char* errorPart;  // a part of the error logged; null: none logged
        int hasData;            // afterwards; kNoDisc: no disc to tell
        bool imageWritten;
    };
    const uint32_t simulate = kProgramBurnFlags | neroapi::kBurnSimulate;
    const std::vector<int> overwrite = {neroapi::kRequestOverwriteRw};
    const Case cases[] = {
        {"disc = blank\nmedium = DVD-R\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnOk, {}, nullptr, 1, true},
        // A DVD-R is written once.
        {"disc = data\nmedium = DVD-R\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnNoDisc, {}, "", 1, false},
        // A rewritable disc holding data is overwritten only when allowed.
        {"disc = data\nmedium = DVD-RW\n", kProgramBurnFlags, 0x4018, 0, "", neroapi::kBurnAborted, overwrite, "", 1,
         false},
        {"disc = data\nmedium = DVD-RW\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnOk, overwrite, nullptr, 1,
         true},
        // A simulation asks nothing and leaves the disc as it was.
        {"disc = data\nmedium = DVD-RW\n", simulate, 0x4018, 0, "", neroapi::kBurnOk, {}, nullptr, 1, false},
        // An empty tray asks for a disc, then gives up.
        {"disc = none\nwait seconds = 100\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnNoDisc,
         {neroapi::kRequestWaitCd}, "No disc", kNoDisc, false},
        {"disc = blank\nrealloc fails = yes\n", kProgramBurnFlags, 0x4058, 5, "", neroapi::kBurnDvdVideo, {},
         "reallocation", 0, false},
        {"disc = blank\nrealloc fails = yes\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnOk, {}, nullptr, 1, true},
        {"disc = blank\nburn result = 4\n", kProgramBurnFlags, 0x4018, 5, "", 4, {}, "rehearsed result 4", 0, false},
        // Whatever reached the disc before a write error or an abort is on it.
        {"disc = blank\nwrite error at = 50\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnWriteError, {},
         "Write error at sector", 1, false},
        {"disc = blank\ncapacity sectors = 100\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnNoDisc, {},
         "sectors but the disc holds only 100", 0, false},
        {"disc = blank\nmedium = CD-R\n", kProgramBurnFlags, 0x4018, 5, "", neroapi::kBurnNoDisc, {},
         "does not suit a DVD", 0, false},
        // A minute at this time scale still answers the abort within a second.
        {"disc = blank\nburn seconds = 60000\n", kProgramBurnFlags, 0x4018, 5, "Writing the disc", neroapi::kBurnAborted,
         {}, "", 1, false},
    };
    for (const Case& c : cases) {
        Configure(c.lines);
        fs::remove(sandbox / "sim.iso.state");
        fs::remove(sandbox / "sim.iso");
        Api().ClearErrors();
        JobRecorder job;
        job.overwriteAnswer = c.overwriteAnswer;
        job.abortInPhase = c.abortInPhase;
        job.abortAtPercent = *c.abortInPhase ? 1 : -1;
        EXPECT_EQ(Burn(job, c.flags, c.isoFlags), c.result) << c.lines;
        if (*c.abortInPhase) {
            ASSERT_TRUE(job.abortRequested) << c.lines;
            EXPECT_LT(std::chrono::steady_clock::now() - job.abortTime, std::chrono::seconds(1)) << c.lines;
        }
        EXPECT_EQ(job.Requests(), c.requests) << c.lines;
        for (const Event& e : job.events) {
            if (e.kind == Event::Request && e.value == neroapi::kRequestWaitCd) {
                EXPECT_EQ(TakeText(Api().GetLocalizedWaitCDTexts(int(e.data))), "Please insert a blank disc.");
            }
        }
        if (c.result == neroapi::kBurnOk && !(c.flags & neroapi::kBurnSimulate)) {
            EXPECT_EQ(job.Texts(Event::Log).front(), "Burn process started at 2x (2770 KB/s)");
        }
        EXPECT_EQ(job.HasLog("DVD-Video files reallocation failed"), c.result == neroapi::kBurnDvdVideo) << c.lines;
        const std::string errors = TakeText(Api().GetErrorLog());
        EXPECT_EQ(errors != "<null>", c.errorPart != nullptr) << c.lines << errors;
        if (c.errorPart != nullptr) {
            EXPECT_NE(errors.find(c.errorPart), std::string::npos) << c.lines << errors;
        }
        EXPECT_EQ(fs::exists(sandbox / "sim.iso") && fs::file_size(sandbox / "sim.iso") > 16u * 2048u,
                  c.imageWritten)
            << c.lines;
        const DiscInfoPtr info = Info();
        EXPECT_EQ(info ? int(info->hasData) : kNoDisc, c.hasData) << c.lines;
    }
    Api().ClearErrors();
}

}  // namespace
}  // namespace bb::recorder::test

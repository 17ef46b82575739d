// Simulated recorders: the disc in the tray, erasing, and the outcomes a
// recorder configuration rehearses.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace bb::recorder::test {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kProgramBurnFlags = neroapi::kBurnAlways | neroapi::kBurnDvdRomBooktypeOff;

struct DiscInfoDeleter {
    void operator()(neroapi::DiscInfo* info) const { Api().FreeMem(info); }
};
using DiscInfoPtr = std::unique_ptr<neroapi::DiscInfo, DiscInfoDeleter>;

class SimulatedRecorder : public ::testing::Test {
protected:
    // One recorder "Sim" with the given lines; durations a thousandth of nominal.
    void Configure(const std::string& lines) {
        sandbox.WriteConfig("time scale = 0.001\n[Sim]\ndisc image = sim.iso\n" + lines);
    }
    neroapi::DeviceHandle Open() {
        Api().CloseDevice(device);
        device = OpenByName("Sim");
        EXPECT_NE(device, nullptr);
        return device;
    }
    DiscInfoPtr Info() { return DiscInfoPtr(Api().GetCDInfo(Open(), 3)); }
    int Burn(JobRecorder& job, uint32_t flags = kProgramBurnFlags, uint32_t isoFlags = 0x4018, bool dvd = true) {
        BurnInput input(tree, isoFlags, dvd);
        return Api().Burn(Open(), 0, &input.description, flags, 2770, job.Progress());
    }
    void TearDown() override { Api().CloseDevice(device); }

    Sandbox sandbox;
    ItemTree tree = ItemTree::FromFolder(SampleRoot());
    neroapi::DeviceHandle device = nullptr;
};

TEST_F(SimulatedRecorder, DiscInformationOfEachDisc) {
    struct Case {
        const char* disc;
        const char* medium;
        uint32_t kind;
        uint32_t mask;
        uint32_t hasData;
    };
    const Case cases[] = {
        {"blank", "DVD-R", 10, 0x4, 0},      {"data", "DVD-RW", 11, 0x1004, 1},
        {"data", "DVD+RW", 13, 0x4008, 1},   {"blank", "DVD+R", 12, 0x8, 0},
        {"data", "CD-RW", 3, 0x1, 1},        {"blank", "cd-r", 1, 0x1, 0},
    };
    for (const Case& c : cases) {
        Configure(std::string("disc = ") + c.disc + "\nmedium = " + c.medium + "\n");
        const DiscInfoPtr info = Info();
        ASSERT_NE(info, nullptr) << c.medium;
        EXPECT_EQ(info->mediumKind, c.kind) << c.medium;
        EXPECT_EQ(info->mediaMask, c.mask) << c.medium;
        EXPECT_EQ(info->hasData, c.hasData) << c.medium;
    }
    Configure("disc = none\n");
    EXPECT_EQ(Info(), nullptr);
    neroapi::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().GetCDInfo(image, 3), nullptr);
    EXPECT_EQ(Api().EjectLoadCD(image, 1), 0);
    Api().CloseDevice(image);
}

TEST_F(SimulatedRecorder, ErasingTimeByModeAndDisc) {
    struct Case {
        const char* lines;
        int full;
        int quick;
    };
    const Case cases[] = {
        {"disc = data\nmedium = DVD-RW\nerase seconds = 600\nquick erase seconds = 40\n", 600, 40},
        {"disc = data\nmedium = DVD-RW\nerase seconds = -3\nquick erase seconds = -2\n", -3, -2},
        {"disc = none\nmedium = DVD-RW\n", -1, -1},
        {"disc = data\nmedium = DVD-R\n", -2, -2},
    };
    for (const Case& c : cases) {
        Configure(c.lines);
        EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseFull), c.full) << c.lines;
        EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseQuick), c.quick) << c.lines;
    }
    neroapi::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().GetCDRWErasingTime(image, neroapi::kEraseQuick), -1);
    Api().CloseDevice(image);
}

TEST_F(SimulatedRecorder, EraseEmptiesTheDiscForEveryLaterLook) {
    Configure("disc = data\nmedium = DVD+RW\nquick erase seconds = 100\n");
    std::ofstream(sandbox / "sim.iso") << std::string(4096, 'x');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Api().EraseCDRW(Open(), neroapi::kEraseQuick), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));  // 100 s x 0.001
    EXPECT_EQ(fs::file_size(sandbox / "sim.iso"), 0u);
    const DiscInfoPtr info = Info();  // a new handle reads the state the erase left
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->hasData, 0u);
    EXPECT_EQ(info->mediaMask, neroapi::kMediaDvdPlusRw);

    Configure("disc = blank\nmedium = DVD-R\ndisc image = other.iso\n");
    EXPECT_EQ(Api().EraseCDRW(Open(), neroapi::kEraseFull), -1);
}

// A recorder that fails to erase: the estimate is given, the erase fails
// with its reason in the error log, and the disc keeps its data.
TEST_F(SimulatedRecorder, FailingEraseKeepsTheData) {
    Configure("disc = data\nmedium = DVD-RW\nquick erase seconds = 10\nerase fails = yes\n");
    std::ofstream(sandbox / "sim.iso") << std::string(4096, 'x');
    EXPECT_EQ(Api().GetCDRWErasingTime(Open(), neroapi::kEraseQuick), 10);
    EXPECT_EQ(Api().EraseCDRW(Open(), neroapi::kEraseQuick), -1);
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("could not be erased"), std::string::npos);
    EXPECT_EQ(fs::file_size(sandbox / "sim.iso"), 4096u);
    const DiscInfoPtr info = Info();
    ASSERT_NE(info, nullptr);
    EXPECT_NE(info->hasData, 0u);
}

TEST_F(SimulatedRecorder, BurnWritesTheDiscImageAndMarksTheDiscUsed) {
    Configure("disc = blank\nmedium = DVD-R\n");
    JobRecorder job;
    EXPECT_EQ(Burn(job), 0) << TakeText(Api().GetErrorLog());
    EXPECT_GT(fs::file_size(sandbox / "sim.iso"), 16u * 2048u);
    EXPECT_TRUE(job.Requests().empty());
    EXPECT_EQ(job.Logs().front(), "Burn process started at 2x (2770 KB/s)");
    const DiscInfoPtr info = Info();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->hasData, 1u);

    JobRecorder again;  // a DVD-R is written once
    EXPECT_EQ(Burn(again), neroapi::kBurnNoDisc);
}

TEST_F(SimulatedRecorder, RewritableDiscWithDataIsOverwrittenOnlyWhenAllowed) {
    for (int answer : {0, 5}) {
        Configure("disc = data\nmedium = DVD-RW\n");
        fs::remove(sandbox / "sim.iso.state");
        JobRecorder job;
        job.overwriteAnswer = answer;
        EXPECT_EQ(Burn(job), answer == 5 ? neroapi::kBurnOk : neroapi::kBurnAborted) << answer;
        EXPECT_EQ(job.Requests(), std::vector<int>{neroapi::kRequestOverwriteRw}) << answer;
        EXPECT_EQ(fs::exists(sandbox / "sim.iso"), answer == 5) << answer;
    }
    Api().ClearErrors();
}

TEST_F(SimulatedRecorder, EmptyTrayAsksForADiscThenGivesUp) {
    Configure("disc = none\nwait seconds = 100\n");
    JobRecorder job;
    EXPECT_EQ(Burn(job), neroapi::kBurnNoDisc);
    ASSERT_EQ(job.Requests(), std::vector<int>{neroapi::kRequestWaitCd});
    const auto request = std::find_if(job.events.begin(), job.events.end(),
                                      [](const Event& e) { return e.kind == Event::Request; });
    EXPECT_EQ(TakeText(Api().GetLocalizedWaitCDTexts(static_cast<int>(request->data))), "Please insert a blank disc.");
    EXPECT_FALSE(fs::exists(sandbox / "sim.iso"));
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("No disc"), std::string::npos);
}

TEST_F(SimulatedRecorder, RehearsedOutcomes) {
    struct Case {
        const char* lines;
        uint32_t isoFlags;
        int result;
        const char* errorPart;
        bool discUsed;
    };
    const Case cases[] = {
        {"realloc fails = yes\n", 0x4058, neroapi::kBurnDvdVideo, "reallocation", false},
        {"realloc fails = yes\n", 0x4018, neroapi::kBurnOk, nullptr, true},
        {"burn result = 4\n", 0x4018, 4, "rehearsed result 4", false},
        {"write error at = 50\n", 0x4018, neroapi::kBurnWriteError, "Write error at sector", true},
        {"capacity sectors = 100\n", 0x4018, neroapi::kBurnNoDisc, "sectors but the disc holds only 100", false},
        {"medium = CD-R\n", 0x4018, neroapi::kBurnNoDisc, "does not suit a DVD", false},
    };
    for (const Case& c : cases) {
        Configure(std::string("disc = blank\n") + c.lines);
        fs::remove(sandbox / "sim.iso.state");
        Api().ClearErrors();
        JobRecorder job;
        EXPECT_EQ(Burn(job, kProgramBurnFlags, c.isoFlags), c.result) << c.lines;
        EXPECT_EQ(job.HasLog("DVD-Video files reallocation failed"), c.result == neroapi::kBurnDvdVideo) << c.lines;
        const std::string errors = TakeText(Api().GetErrorLog());
        if (c.errorPart != nullptr) {
            EXPECT_NE(errors.find(c.errorPart), std::string::npos) << c.lines << errors;
        } else {
            EXPECT_EQ(errors, "<null>") << c.lines;
        }
        const DiscInfoPtr info = Info();
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->hasData, c.discUsed ? 1u : 0u) << c.lines;
    }
}

TEST_F(SimulatedRecorder, SlowBurnStillAnswersAbortWithinASecond) {
    Configure("disc = blank\nburn seconds = 60000\n");  // a minute at this time scale
    JobRecorder job;
    job.abortInPhase = "Writing the disc";
    job.abortAtPercent = 1;
    EXPECT_EQ(Burn(job), neroapi::kBurnAborted);
    ASSERT_TRUE(job.abortRequested);
    EXPECT_LT(std::chrono::steady_clock::now() - job.abortTime, std::chrono::seconds(1));
    EXPECT_FALSE(fs::exists(sandbox / "sim.iso"));
    Api().ClearErrors();
}

TEST_F(SimulatedRecorder, SimulationLeavesTheDiscAsItWas) {
    Configure("disc = data\nmedium = DVD-RW\n");
    JobRecorder job;
    EXPECT_EQ(Burn(job, kProgramBurnFlags | neroapi::kBurnSimulate), 0);
    EXPECT_TRUE(job.Requests().empty());
    EXPECT_FALSE(fs::exists(sandbox / "sim.iso"));
    const DiscInfoPtr info = Info();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->hasData, 1u);
}

}  // namespace
}  // namespace bb::recorder::test

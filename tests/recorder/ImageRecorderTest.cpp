// Burning to image files through the Image Recorder, as the program does it.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>

namespace bb::recorder::test {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kProgramBurnFlags = neroapi::kBurnAlways | neroapi::kBurnDvdRomBooktypeOff;  // 0x990C

std::string Tail(const fs::path& file, size_t bytes) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(-static_cast<std::streamoff>(bytes), std::ios::end);
    std::string tail(bytes, '\0');
    in.read(tail.data(), static_cast<std::streamsize>(bytes));
    return tail;
}

bool AnyPartialFile(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".part") return true;
    }
    return false;
}

class ImageRecorderBurn : public ::testing::Test {
protected:
    void SetUp() override {
        device = OpenByName("Image Recorder");
        ASSERT_NE(device, nullptr);
    }
    void TearDown() override { Api().CloseDevice(device); }

    int Burn(JobRecorder& job, uint32_t flags = kProgramBurnFlags, uint32_t isoFlags = 0x4018) {
        BurnInput input(tree, isoFlags);
        return Api().Burn(device, 0, &input.description, flags, 22160, job.Progress());
    }

    Sandbox sandbox;
    ItemTree tree = ItemTree::FromFolder(SampleRoot());
    neroapi::DeviceHandle device = nullptr;
};

TEST_F(ImageRecorderBurn, WritesThePlainImageOrTheImageWithItsFooter) {
    struct Case {
        const char* file;
        bool footer;
    };
    for (const Case& c : {Case{"disc.iso", false}, Case{"DISC.NRG", true}, Case{"disc.nrg", true}}) {
        JobRecorder job;
        job.imagePath = (sandbox / c.file).string();
        EXPECT_EQ(Burn(job), 0) << c.file << TakeText(Api().GetErrorLog());
        ASSERT_TRUE(fs::exists(job.imagePath)) << c.file;
        if (!c.footer) {
            EXPECT_EQ(fs::file_size(job.imagePath) % 2048, 0u) << c.file;
        }
        EXPECT_EQ(Tail(job.imagePath, 12).substr(0, 4) == "NER5", c.footer) << c.file;
        EXPECT_EQ(job.Requests(), std::vector<int>{neroapi::kRequestImageFileName}) << c.file;
        EXPECT_FALSE(AnyPartialFile(sandbox.Path())) << c.file;
        EXPECT_EQ(Api().GetErrorLog(), nullptr) << c.file;
    }
}

TEST_F(ImageRecorderBurn, ReportsPhasesLogLinesAndProgressOfEachPhase) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    ASSERT_EQ(Burn(job, kProgramBurnFlags, 0x4018 | neroapi::kIsoMode2), 0);

    const auto logs = job.Logs();
    ASSERT_FALSE(logs.empty());
    EXPECT_EQ(logs.front(), "Burn process started at 16x (22160 KB/s)");
    EXPECT_TRUE(job.HasLog("Mode 2 is ignored for DVD"));
    EXPECT_TRUE(job.HasLog("Burn flags received: 0x0000990C (no DVD-ROM booktype, other bits 0x0000190C)"));
    EXPECT_TRUE(job.HasLog("Image file: " + job.imagePath));

    const auto phases = job.ProgressByPhase();
    ASSERT_GE(phases.size(), 2u);
    for (size_t i = 0; i + 1 < phases.size(); ++i) {  // the last phase only announces the end
        ASSERT_FALSE(phases[i].empty()) << job.Phases()[i];
        EXPECT_EQ(phases[i].front(), 0) << job.Phases()[i];
        EXPECT_EQ(phases[i].back(), 100) << job.Phases()[i];
        EXPECT_TRUE(std::is_sorted(phases[i].begin(), phases[i].end())) << job.Phases()[i];
    }
    EXPECT_EQ(job.Phases().back(), "Burn process completed successfully");
}

TEST_F(ImageRecorderBurn, CallsBackOnlyOnTheThreadThatBurns) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    int result = -1;
    std::thread::id burner;
    std::thread worker([&] {
        burner = std::this_thread::get_id();
        result = Burn(job);
    });
    worker.join();
    EXPECT_EQ(result, 0);
    ASSERT_FALSE(job.events.empty());
    for (const Event& event : job.events) {
        EXPECT_EQ(event.thread, burner);
    }
}

TEST_F(ImageRecorderBurn, CancelledFileSelectionWritesNothing) {
    JobRecorder job;  // no image path: the file dialog is cancelled
    EXPECT_EQ(Burn(job), neroapi::kBurnAborted);
    EXPECT_TRUE(fs::is_empty(sandbox.Path()));
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("cancelled"), std::string::npos);
}

TEST_F(ImageRecorderBurn, AbortWhileWritingEndsWithinASecondAndLeavesNoFile) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.nrg").string();
    job.abortInPhase = "Writing the image file";
    job.abortAtPercent = 1;
    EXPECT_EQ(Burn(job), neroapi::kBurnAborted);
    const auto returned = std::chrono::steady_clock::now();
    ASSERT_TRUE(job.abortRequested);
    EXPECT_LT(returned - job.abortTime, std::chrono::seconds(1));
    EXPECT_FALSE(fs::exists(job.imagePath));
    EXPECT_FALSE(AnyPartialFile(sandbox.Path()));
}

TEST_F(ImageRecorderBurn, AbortDuringALargeFilesCopyEndsWithinASecondAndLeavesNoImage) {
    // A sparse 4 GiB file (no disk space taken) is nearly the whole image;
    // the abort comes when a tenth of it has been copied.
    const fs::path big = sandbox / "movie.bin";
    { std::ofstream create(big); }
    fs::resize_file(big, uint64_t(4) << 30);
    ItemTree large;
    neroapi::IsoItem* folder = large.Add("VIDEO", true, "", nullptr);
    large.Add("MOVIE.BIN", false, big.string(), folder);
    tree = std::move(large);
    JobRecorder job;
    job.imagePath = (sandbox / "large.iso").string();
    job.abortInPhase = "Writing the image file";
    job.abortAtPercent = 10;
    EXPECT_EQ(Burn(job), neroapi::kBurnAborted);
    const auto returned = std::chrono::steady_clock::now();
    ASSERT_TRUE(job.abortRequested);
    EXPECT_LT(returned - job.abortTime, std::chrono::seconds(1));
    const auto phases = job.Phases();
    const auto writing = std::find(phases.begin(), phases.end(), "Writing the image file");
    ASSERT_NE(writing, phases.end());
    const std::vector<int> reports = job.ProgressByPhase().at(size_t(writing - phases.begin()));
    EXPECT_LT(reports.back(), 20);  // the job stopped inside the file
    EXPECT_FALSE(fs::exists(job.imagePath));
    EXPECT_FALSE(AnyPartialFile(sandbox.Path()));
    Api().ClearErrors();
}

TEST_F(ImageRecorderBurn, SourceDateEpochGivesTheSameImageTwice) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    std::string images[2];
    for (int run = 0; run < 2; ++run) {
        JobRecorder job;
        job.imagePath = (sandbox / ("run" + std::to_string(run) + ".iso")).string();
        EXPECT_EQ(Burn(job, kProgramBurnFlags, 0x4058), 0) << TakeText(Api().GetErrorLog());
        std::ifstream in(job.imagePath, std::ios::binary);
        images[run].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (run == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // another second
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_GT(images[0].size(), 16u * 2048u);
    EXPECT_TRUE(images[0] == images[1]);
}

TEST_F(ImageRecorderBurn, ReplacesAnExistingImageOnlyWhenTheBurnSucceeds) {
    const fs::path target = sandbox / "old.iso";
    std::ofstream(target) << "previous image";
    {
        JobRecorder aborted;
        aborted.imagePath = target.string();
        aborted.abortInPhase = "Writing the image file";
        aborted.abortAtPercent = 1;
        EXPECT_EQ(Burn(aborted), neroapi::kBurnAborted);
        EXPECT_EQ(fs::file_size(target), std::string("previous image").size());
    }
    JobRecorder job;
    job.imagePath = target.string();
    EXPECT_EQ(Burn(job), 0);
    EXPECT_GT(fs::file_size(target), 16u * 2048u);
}

TEST_F(ImageRecorderBurn, SimulationRunsTheJobWithoutWriting) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    EXPECT_EQ(Burn(job, kProgramBurnFlags | neroapi::kBurnSimulate), 0);
    EXPECT_FALSE(fs::exists(job.imagePath));
    EXPECT_FALSE(AnyPartialFile(sandbox.Path()));
    EXPECT_TRUE(job.HasLog("Simulation completed successfully"));
}

TEST_F(ImageRecorderBurn, VerifiedImageKeepsItsName) {
    JobRecorder job;
    job.imagePath = (sandbox / "verified.iso").string();
    EXPECT_EQ(Burn(job, kProgramBurnFlags | neroapi::kBurnVerify), 0) << TakeText(Api().GetErrorLog());
    EXPECT_TRUE(fs::exists(job.imagePath));
    EXPECT_TRUE(job.HasLog("Verification passed: the written data matches the sources"));
}

TEST_F(ImageRecorderBurn, UnreadableSourceFileFailsWithResult6) {
    const fs::path vanished = sandbox / "gone.vob";
    ItemTree broken;
    neroapi::IsoItem* video = broken.Add("VIDEO_TS", true, "", nullptr);
    broken.Add("VTS_01_1.VOB", false, vanished.string(), video);
    tree = std::move(broken);
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    EXPECT_EQ(Burn(job, kProgramBurnFlags, 0x4018), neroapi::kBurnSourceUnreadable);
    EXPECT_FALSE(fs::exists(job.imagePath));
    EXPECT_NE(TakeText(Api().GetErrorLog()), "<null>");
    Api().ClearErrors();
}

TEST_F(ImageRecorderBurn, InvalidDvdVideoWithReallocationFailsWithTheRetryLine) {
    const fs::path ifo = sandbox / "VIDEO_TS.IFO";
    std::ofstream(ifo) << std::string(4096, 'x');  // no DVD-Video manager header
    ItemTree broken;
    neroapi::IsoItem* video = broken.Add("VIDEO_TS", true, "", nullptr);
    broken.Add("VIDEO_TS.IFO", false, ifo.string(), video);
    tree = std::move(broken);
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    EXPECT_EQ(Burn(job, kProgramBurnFlags, 0x4058), neroapi::kBurnDvdVideo);
    EXPECT_TRUE(job.HasLog("DVD-Video files reallocation failed"));
    EXPECT_TRUE(job.Requests().empty());  // refused before the file name is asked
    EXPECT_FALSE(fs::exists(job.imagePath));
    EXPECT_NE(TakeText(Api().GetErrorLog()), "<null>");
    Api().ClearErrors();
}

TEST_F(ImageRecorderBurn, RefusesWhatItCannotBurn) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    BurnInput input(tree);
    neroapi::WriteDescription foreign = input.description;
    int notOurs = 0;
    foreign.track = reinterpret_cast<neroapi::IsoTrack*>(&notOurs);
    struct Case {
        const char* what;
        neroapi::DeviceHandle device;
        int compileType;
        void* description;
    };
    const Case cases[] = {
        {"unknown handle", reinterpret_cast<neroapi::DeviceHandle>(&notOurs), 0, &input.description},
        {"audio compilation", device, 1, &input.description},
        {"no write description", device, 0, nullptr},
        {"foreign track", device, 0, &foreign},
    };
    for (const Case& c : cases) {
        Api().ClearErrors();
        EXPECT_EQ(Api().Burn(c.device, c.compileType, c.description, kProgramBurnFlags, 0, job.Progress()),
                  neroapi::kBurnFailed)
            << c.what;
        EXPECT_NE(TakeText(Api().GetErrorLog()), "<null>") << c.what;
    }
    EXPECT_FALSE(fs::exists(job.imagePath));
}

}  // namespace
}  // namespace bb::recorder::test

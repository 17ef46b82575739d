// Burning to image files through the Image Recorder, as the program does it.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>

namespace bb::recorder::test {
namespace {

namespace fs = std::filesystem;

bool AnyPartialFile(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".part") return true;
    return false;
}

class ImageRecorderBurn : public LibraryBurnTest {
protected:
    void SetUp() override { ASSERT_NE(device = OpenByName("Image Recorder"), nullptr); }
    // A tree of one folder holding one file read from `source`.
    void OneFileTree(const char* folder, const char* name, const fs::path& source) {
        ItemTree one;
        one.Add(name, false, source.string(), one.Add(folder, true, "", nullptr));
        tree = std::move(one);
    }
};

// ".nrg" in any case gets the footer; an existing file is replaced. The job
// reports phases, log lines and progress only on the thread that burns.
TEST_F(ImageRecorderBurn, WritesThePlainImageOrTheImageWithItsFooter) {
    std::ofstream(sandbox / "old.iso") << "previous image";
    for (const char* file : {"DISC.NRG", "disc.nrg", "old.iso"}) {
        const bool footer = fs::path(file).extension() != ".iso";
        JobRecorder job;
        job.imagePath = (sandbox / file).string();
        int result = -1;
        std::thread::id burner;
        std::thread([&] {
            burner = std::this_thread::get_id();
            result = Burn(job, kProgramBurnFlags, 0x4018 | neroapi::kIsoMode2);
        }).join();
        ASSERT_EQ(result, 0) << file << TakeText(Api().GetErrorLog());
        for (const Event& event : job.events) EXPECT_EQ(event.thread, burner) << file;
        const std::string image = sandbox.Read(file);
        EXPECT_GT(image.size(), 16u * 2048u) << file;
        EXPECT_EQ(image.size() % 2048 == 0, !footer) << file;
        EXPECT_EQ(image.substr(image.size() - 12, 4) == "NER5", footer) << file;
        EXPECT_EQ(job.Requests(), std::vector<int>{neroapi::kRequestImageFileName}) << file;
        EXPECT_FALSE(AnyPartialFile(sandbox.Root())) << file;
        EXPECT_EQ(Api().GetErrorLog(), nullptr) << file;

        const auto logs = job.Texts(Event::Log);
        ASSERT_FALSE(logs.empty());
        EXPECT_EQ(logs.front(), "Burn process started at 16x (22160 KB/s)");
        EXPECT_TRUE(job.HasLog("Mode 2 is ignored for DVD"));
        EXPECT_TRUE(job.HasLog("Burn flags received: 0x0000990C (no DVD-ROM booktype, other bits 0x0000190C)"));
        EXPECT_TRUE(job.HasLog("Image file: " + job.imagePath));
        const auto phases = job.ProgressByPhase();
        const auto names = job.Texts(Event::Phase);
        ASSERT_GE(phases.size(), 2u);
        for (size_t i = 0; i + 1 < phases.size(); ++i) {  // the last phase only announces the end
            ASSERT_FALSE(phases[i].empty()) << names[i];
            EXPECT_EQ(phases[i].front(), 0) << names[i];
            EXPECT_EQ(phases[i].back(), 100) << names[i];
            EXPECT_TRUE(std::is_sorted(phases[i].begin(), phases[i].end())) << names[i];
        }
        EXPECT_EQ(names.back(), "Burn process completed successfully");
    }
}

// An abort while the image is written ends the job within a second and
// leaves neither the image nor its partial file; an image the new one was
// to replace stays as it was.
TEST_F(ImageRecorderBurn, AbortWhileWritingEndsWithinASecondAndLeavesNoImage) {
    // A sparse 4 GiB file (no disk space taken) is nearly the whole large
    // image; the abort comes when a tenth of it has been copied.
    const fs::path big = sandbox / "movie.bin";
    { std::ofstream create(big); }
    fs::resize_file(big, uint64_t(4) << 30);
    std::ofstream(sandbox / "old.iso") << "previous image";
    struct Case { const char* file; bool large; int abortAt; };
    for (const Case& c : {Case{"disc.nrg", false, 1}, Case{"old.iso", true, 10}}) {
        if (c.large) OneFileTree("VIDEO", "MOVIE.BIN", big);
        JobRecorder job;
        job.imagePath = (sandbox / c.file).string();
        job.abortInPhase = "Writing the image file";
        job.abortAtPercent = c.abortAt;
        EXPECT_EQ(Burn(job), neroapi::kBurnAborted) << c.file;
        const auto returned = std::chrono::steady_clock::now();
        ASSERT_TRUE(job.abortRequested) << c.file;
        EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(returned - job.abortTime).count(), 1000)
            << c.file << ": milliseconds from the abort to the end of the job";
        const auto phases = job.Texts(Event::Phase);
        const auto writing = std::find(phases.begin(), phases.end(), "Writing the image file");
        ASSERT_NE(writing, phases.end()) << c.file;
        EXPECT_EQ(fs::exists(job.imagePath), c.large) << c.file;
        if (c.large) {  // stopped inside the big file
            EXPECT_LT(job.ProgressByPhase().at(size_t(writing - phases.begin())).back(), 20);
            EXPECT_EQ(fs::file_size(job.imagePath), std::string("previous image").size());
        }
        EXPECT_FALSE(AnyPartialFile(sandbox.Root())) << c.file;
        Api().ClearErrors();
    }
}

// What the job returns, logs and leaves when the file selection is
// cancelled, when it only simulates or verifies, and when its sources fail.
TEST_F(ImageRecorderBurn, Outcomes) {
    bb::test::Sandbox sources;
    const fs::path badIfo = sources.WriteFile("VIDEO_TS.IFO", std::string(4096, 'x'));  // no manager header
    const std::vector<int> asked = {neroapi::kRequestImageFileName};
    enum Tree { Sample, VanishedVob, BadIfo };
    struct Case {
        const char* name;
        Tree tree;
        bool named;
        uint32_t flags, isoFlags;
        int result;
        const char* log;
        std::vector<int> requests;
        bool imageLeft;
        const char* errorPart;  // a part of the error logged; null: none logged
    };
    const Case cases[] = {
        {"cancelled", Sample, false, kProgramBurnFlags, 0x4018, neroapi::kBurnAborted, nullptr, asked, false, "cancelled"},
        {"simulated", Sample, true, kProgramBurnFlags | neroapi::kBurnSimulate, 0x4018, neroapi::kBurnOk,
         "Simulation completed successfully", asked, false, nullptr},
        {"verified", Sample, true, kProgramBurnFlags | neroapi::kBurnVerify, 0x4018, neroapi::kBurnOk,
         "Verification passed: the written data matches the sources", asked, true, nullptr},
        // Refused before the file name is asked.
        {"source vanished", VanishedVob, true, kProgramBurnFlags, 0x4018, neroapi::kBurnSourceUnreadable, nullptr, {},
         false, ""},
        {"invalid DVD-Video", BadIfo, true, kProgramBurnFlags, 0x4058, neroapi::kBurnDvdVideo,
         "DVD-Video files reallocation failed", {}, false, ""},
    };
    for (const Case& c : cases) {
        tree = ItemTree::FromFolder(SampleRoot());
        if (c.tree == VanishedVob) OneFileTree("VIDEO_TS", "VTS_01_1.VOB", sources.Root() / "gone.vob");
        if (c.tree == BadIfo) OneFileTree("VIDEO_TS", "VIDEO_TS.IFO", badIfo);
        Api().ClearErrors();
        JobRecorder job;
        if (c.named) job.imagePath = (sandbox / "disc.iso").string();
        EXPECT_EQ(Burn(job, c.flags, c.isoFlags), c.result) << c.name;
        if (c.log != nullptr) {
            EXPECT_TRUE(job.HasLog(c.log)) << c.name;
        }
        EXPECT_EQ(job.Requests(), c.requests) << c.name;
        EXPECT_EQ(fs::exists(sandbox / "disc.iso"), c.imageLeft) << c.name;
        if (!c.imageLeft) {
            EXPECT_TRUE(fs::is_empty(sandbox.Root())) << c.name;
        }
        const std::string errors = TakeText(Api().GetErrorLog());
        EXPECT_EQ(errors != "<null>", c.errorPart != nullptr) << c.name << errors;
        if (c.errorPart != nullptr) {
            EXPECT_NE(errors.find(c.errorPart), std::string::npos) << c.name << errors;
        }
        fs::remove(sandbox / "disc.iso");
    }
}

TEST_F(ImageRecorderBurn, SourceDateEpochGivesTheSameImageTwice) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    std::string images[2];
    for (int run = 0; run < 2; ++run) {
        JobRecorder job;
        job.imagePath = (sandbox / ("run" + std::to_string(run) + ".iso")).string();
        EXPECT_EQ(Burn(job, kProgramBurnFlags, 0x4058), 0) << TakeText(Api().GetErrorLog());
        images[run] = sandbox.Read("run" + std::to_string(run) + ".iso");
        if (run == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // another second
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_GT(images[0].size(), 16u * 2048u);
    EXPECT_TRUE(images[0] == images[1]);
}

// Under flag 0x80 the label argument is a record, not a text; as text the
// record would be the label "L".
TEST_F(ImageRecorderBurn, UnderFlag0x80TheLabelArgumentIsARecordNotAText) {
    int images = 0;
    auto volumeId = [&](const char* label, uint32_t isoFlags) {
        const std::string name = "label" + std::to_string(images++) + ".iso";
        JobRecorder job;
        job.imagePath = (sandbox / name).string();
        EXPECT_EQ(Burn(job, kProgramBurnFlags, isoFlags, label), neroapi::kBurnOk) << TakeText(Api().GetErrorLog());
        return sandbox.Read(name).substr(16 * 2048 + 40, 32);  // the primary volume identifier
    };
    const neroapi::IsoTrackArgs args{{'L', 2, 3, 4, 5}};
    const std::string noLabel = volumeId(nullptr, 0x4018);
    EXPECT_NE(volumeId("L", 0x4018), noLabel);
    EXPECT_EQ(volumeId(reinterpret_cast<const char*>(&args), 0x4018 | neroapi::kIsoArgsRecord), noLabel);
}

TEST_F(ImageRecorderBurn, RefusesWhatItCannotBurn) {
    JobRecorder job;
    job.imagePath = (sandbox / "disc.iso").string();
    BurnInput input(tree);
    neroapi::WriteDescription foreign = input.description;
    int notOurs = 0;
    foreign.track = reinterpret_cast<neroapi::IsoTrack*>(&notOurs);
    // Destroy without the free bit releases the content only: the track is
    // left, but it cannot be burned.
    BurnInput released(tree);
    released.track->Destroy(0);
    struct Case { const char* what; neroapi::DeviceHandle device; int compileType; void* description; };
    const Case cases[] = {
        {"unknown handle", reinterpret_cast<neroapi::DeviceHandle>(&notOurs), 0, &input.description},
        {"audio compilation", device, 1, &input.description}, {"no write description", device, 0, nullptr},
        {"foreign track", device, 0, &foreign}, {"content released", device, 0, &released.description},
    };
    for (const Case& c : cases) {
        Api().ClearErrors();
        EXPECT_EQ(Api().Burn(c.device, c.compileType, c.description, kProgramBurnFlags, 0, job.Progress()),
                  neroapi::kBurnFailed)
            << c.what;
        EXPECT_NE(TakeText(Api().GetErrorLog()), "<null>") << c.what;
    }
    EXPECT_FALSE(fs::exists(job.imagePath));
    Api().FreeIsoTrack(released.track);  // the destructor's second release of a freed track is ignored
}

}  // namespace
}  // namespace bb::recorder::test

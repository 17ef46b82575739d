// Pseudo-drives on files, driven through the library as the program drives
// a real recorder: the list, the disc, the burn and its flags, a disc too
// small, an abort, a drive that is not there.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bb::recorder::library::optical {
namespace {

namespace fs = std::filesystem;
using test::Api;
using test::JobRecorder;
using test::TakeText;

// Names of the pseudo-drives a fresh DVD drive list shows.
std::vector<std::string> PseudoNames() {
    std::vector<std::string> names;
    for (const std::string& name : test::Names(*test::Drives(neroapi::kMediaMaskDvd)))
        if (name.rfind("Pseudo drive", 0) == 0) names.push_back(name);
    return names;
}

class PseudoDrive : public test::LibraryBurnTest {
protected:
    void SetUp() override {
        ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        ::unsetenv("BB_NEROAPI_PSEUDO_CAPACITY");
        disc = sandbox / "disc.img";
        UseDrives(disc.string());
    }
    void TearDown() override {
        test::LibraryBurnTest::TearDown();
        ::unsetenv("BB_NEROAPI_PSEUDO_DRIVES");
        ::unsetenv("BB_NEROAPI_PSEUDO_CAPACITY");
        ::unsetenv("SOURCE_DATE_EPOCH");
    }
    void UseDrives(const std::string& variable) { ::setenv("BB_NEROAPI_PSEUDO_DRIVES", variable.c_str(), 1); }
    // Opens the first pseudo-drive of a fresh list.
    void OpenPseudo() {
        Api().CloseDevice(device);
        const std::vector<std::string> names = PseudoNames();
        device = names.empty() ? nullptr : test::OpenByName(names.front());
        ASSERT_NE(device, nullptr) << TakeText(Api().GetErrorLog());
    }
    // The Image Recorder's plain image of the same tree.
    std::string Reference() {
        const neroapi::DeviceHandle image = test::OpenByName("Image Recorder");
        JobRecorder job;
        job.imagePath = (sandbox / "reference.iso").string();
        test::BurnInput input(tree);
        EXPECT_EQ(Api().Burn(image, 0, &input.description, test::kProgramBurnFlags, speed, job.Progress()), 0);
        Api().CloseDevice(image);
        return sandbox.Read("reference.iso");
    }

    fs::path disc;
};

TEST_F(PseudoDrive, ListedAfterTheImageRecorderInOrder) {
    UseDrives((sandbox / "a.img").string() + ":" + (sandbox / "b.img").string());
    const test::DriveList list = test::Drives(neroapi::kMediaMaskDvd);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(std::string(list->drives[0].deviceName), "Image Recorder");
    const std::vector<std::string> pseudo = PseudoNames();
    ASSERT_EQ(pseudo.size(), 2u);
    // Long paths keep their end in the name.
    EXPECT_NE(pseudo[0].find("a.img)"), std::string::npos) << pseudo[0];
    EXPECT_NE(pseudo[1].find("b.img)"), std::string::npos) << pseudo[1];
    for (const std::string& name : pseudo) {
        const neroapi::DriveInfo* d = test::Find(*list, name);
        ASSERT_NE(d, nullptr) << name;
        EXPECT_EQ(std::string(d->secondName), "DRIVE");
        EXPECT_LE(name.size(), 63u);
        EXPECT_EQ(std::string(d->thirdName).rfind("Pseudo drive on ", 0), 0u) << d->thirdName;
        EXPECT_NE(d->mediaMask & neroapi::kMediaDvdMinusR, 0u);
        EXPECT_GT(d->writeSpeeds.count, 0u);
        EXPECT_EQ(d->writeSpeeds.baseRate, 1385u);
    }

    ::unsetenv("BB_NEROAPI_PSEUDO_DRIVES");
    EXPECT_TRUE(PseudoNames().empty());
}

// The flags and the disc's capacity decide whether the disc gets the very
// image the Image Recorder writes, or nothing.
TEST_F(PseudoDrive, BurnFlagsAndCapacityGiveTheImageOrNothing) {
    const std::string reference = Reference();
    ASSERT_FALSE(reference.empty());
    const uint64_t sectors = reference.size() / 2048;
    struct Case {
        const char* what;
        uint32_t flags;
        uint64_t capacitySectors;  // 0: the default
        int result;
        bool written;
        const char* logLine;
    };
    const Case cases[] = {
        {"burn", test::kProgramBurnFlags, 0, neroapi::kBurnOk, true, "Burn process completed successfully"},
        {"burn and verify", test::kProgramBurnFlags | neroapi::kBurnVerify, 0, neroapi::kBurnOk, true,
         "Verification passed: the disc matches the compilation"},
        {"simulation", test::kProgramBurnFlags | neroapi::kBurnSimulate, 0, neroapi::kBurnOk, false,
         "Simulation completed successfully"},
        {"one sector short", test::kProgramBurnFlags, sectors - 1, neroapi::kBurnNoDisc, false, nullptr},
        {"exactly full", test::kProgramBurnFlags, sectors, neroapi::kBurnOk, true, nullptr},
    };
    for (const Case& c : cases) {
        fs::remove(disc);
        if (c.capacitySectors) {
            ::setenv("BB_NEROAPI_PSEUDO_CAPACITY", std::to_string(c.capacitySectors * 2048).c_str(), 1);
        }
        OpenPseudo();
        if (c.capacitySectors) {
            neroapi::DiscInfo* info = Api().GetCDInfo(device, 3);
            ASSERT_NE(info, nullptr) << c.what << TakeText(Api().GetErrorLog());
            EXPECT_EQ(info->value0, c.capacitySectors) << c.what;
            EXPECT_EQ(info->hasData, 0u) << c.what;
            EXPECT_NE(info->mediaMask & neroapi::kMediaMaskDvd, 0u) << c.what;
            Api().FreeMem(info);
        }
        JobRecorder job;
        EXPECT_EQ(Burn(job, c.flags), c.result) << c.what;
        const std::string errors = TakeText(Api().GetErrorLog());
        if (c.logLine) {
            EXPECT_TRUE(job.HasLog(c.logLine)) << c.what;
        }
        if (c.result != neroapi::kBurnOk) {
            EXPECT_NE(errors.find("needs " + std::to_string(sectors) + " sectors but the disc holds only " +
                                  std::to_string(c.capacitySectors)),
                      std::string::npos)
                << c.what << errors;
        }
        if (c.written) EXPECT_TRUE(sandbox.Read("disc.img") == reference) << c.what << ": " << sandbox.Read("disc.img").size() << " bytes";
        else EXPECT_TRUE(!fs::exists(disc) || fs::file_size(disc) == 0) << c.what;
        EXPECT_FALSE(job.abortRequested) << c.what;
        Api().ClearErrors();
    }
}

// An abort while writing ends the burn; a disc on a file cannot be erased.
TEST_F(PseudoDrive, AbortWhileWritingEndsTheBurnAndNothingErases) {
    OpenPseudo();
    JobRecorder job;
    job.abortInPhase = "Writing the disc";
    job.abortAtPercent = 0;
    EXPECT_EQ(Burn(job), neroapi::kBurnAborted);
    EXPECT_TRUE(job.abortRequested);
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("aborted by the user"), std::string::npos);
    EXPECT_FALSE(job.HasLog("Burn process completed successfully"));
    Api().ClearErrors();
    for (const int mode : {neroapi::kEraseQuick, neroapi::kEraseFull}) {
        EXPECT_EQ(Api().GetCDRWErasingTime(device, mode), neroapi::kEraseNotRewritable) << mode;
        EXPECT_EQ(Api().EraseCDRW(device, mode), -1) << mode;
        EXPECT_NE(TakeText(Api().GetErrorLog()).find("cannot be erased"), std::string::npos) << mode;
        Api().ClearErrors();
    }
}

TEST_F(PseudoDrive, DriveThatIsNotThereFailsEveryJob) {
    UseDrives((sandbox / "no-such-folder" / "disc.img").string());
    OpenPseudo();
    EXPECT_EQ(Api().GetCDInfo(device, 3), nullptr);
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("is no longer available"), std::string::npos);
    JobRecorder job;
    EXPECT_EQ(Burn(job), neroapi::kBurnNoDisc);
    EXPECT_NE(TakeText(Api().GetErrorLog()).find("is no longer available"), std::string::npos);
    EXPECT_EQ(Api().GetCDRWErasingTime(device, neroapi::kEraseQuick), neroapi::kEraseNoDisc);
}

}  // namespace
}  // namespace bb::recorder::library::optical

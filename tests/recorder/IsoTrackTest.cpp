// ISO tracks made from the program's item tree.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace bb::recorder::test {
namespace {

TEST(RecorderIsoTrack, RefusesTreesItCannotReadSafely) {
    struct Case {
        const char* what;
        void (*spoil)(neroapi::IsoItem& first, neroapi::IsoItem& second);
    };
    const Case cases[] = {
        {"name without terminator", [](neroapi::IsoItem& a, neroapi::IsoItem&) { std::memset(a.name, 'A', sizeof a.name); }},
        {"source without terminator", [](neroapi::IsoItem&, neroapi::IsoItem& b) { std::memset(b.sourcePath, 'b', sizeof b.sourcePath); }},
        {"empty name", [](neroapi::IsoItem&, neroapi::IsoItem& b) { b.name[0] = '\0'; }},
        {"cycle", [](neroapi::IsoItem& a, neroapi::IsoItem& b) { b.next = &a; }},
    };
    for (const Case& c : cases) {
        ItemTree tree;
        neroapi::IsoItem* folder = tree.Add("VIDEO_TS", true, "", nullptr);
        neroapi::IsoItem* file = tree.Add("VIDEO_TS.IFO", false, "/nonexistent/VIDEO_TS.IFO", folder);
        c.spoil(*folder, *file);
        Api().ClearErrors();
        EXPECT_EQ(Api().CreateIsoTrackEx(tree.Root(), "LABEL", 0x4018), nullptr) << c.what;
        EXPECT_NE(TakeText(Api().GetErrorLog()).find("The ISO track was not made"), std::string::npos) << c.what;
    }
    EXPECT_EQ(Api().CreateIsoTrackEx(nullptr, "LABEL", 0x4018), nullptr);
    Api().ClearErrors();
}

// The primary volume identifier of an image of the sample burnt with that
// label argument and those flags.
std::string VolumeIdOfImage(const Sandbox& sandbox, const char* label, uint32_t isoFlags) {
    static int images = 0;
    JobRecorder job;
    job.imagePath = (sandbox / ("label" + std::to_string(images++) + ".iso")).string();
    const ItemTree tree = ItemTree::FromFolder(SampleRoot());
    BurnInput input(tree, isoFlags, label);
    neroapi::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().Burn(image, 0, &input.description, neroapi::kBurnAlways, 0, job.Progress()), neroapi::kBurnOk)
        << TakeText(Api().GetErrorLog());
    Api().CloseDevice(image);
    std::ifstream in(job.imagePath, std::ios::binary);
    in.seekg(16 * 2048 + 40);
    std::string id(32, '\0');
    in.read(id.data(), 32);
    return id;
}

TEST(RecorderIsoTrack, UnderFlag0x80TheLabelArgumentIsARecordNotAText) {
    Sandbox sandbox;
    // As text, the record would be the label "L".
    const neroapi::IsoTrackArgs args{{'L', 2, 3, 4, 5}};
    const std::string noLabel = VolumeIdOfImage(sandbox, nullptr, 0x4018);
    EXPECT_NE(VolumeIdOfImage(sandbox, "L", 0x4018), noLabel);
    EXPECT_EQ(VolumeIdOfImage(sandbox, reinterpret_cast<const char*>(&args), 0x4018 | neroapi::kIsoArgsRecord),
              noLabel);
}

TEST(RecorderIsoTrack, DestroyWithoutTheFreeBitLeavesATrackThatCannotBeBurned) {
    ItemTree tree;
    tree.Add("README.TXT", false, "/nonexistent", nullptr);
    neroapi::IsoTrack* track = Api().CreateIsoTrackEx(tree.Root(), "LABEL", 0x4018);
    ASSERT_NE(track, nullptr);
    track->Destroy(0);  // releases the content only
    neroapi::WriteDescription description{};
    description.track = track;
    JobRecorder job;
    neroapi::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().Burn(image, 0, &description, 0x190C, 0, job.Progress()), neroapi::kBurnFailed);
    Api().CloseDevice(image);
    Api().FreeIsoTrack(track);
    Api().FreeIsoTrack(track);  // a second release of a freed track is ignored
    Api().ClearErrors();
}

}  // namespace
}  // namespace bb::recorder::test

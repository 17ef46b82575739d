// ISO tracks made from the program's item tree.
#include "tests/unit/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <cstring>

namespace rec::test {
namespace {

TEST(RecorderIsoTrack, RefusesTreesItCannotReadSafely) {
    struct Case {
        const char* what;
        void (*spoil)(nero::IsoItem& first, nero::IsoItem& second);
    };
    const Case cases[] = {
        {"name without terminator", [](nero::IsoItem& a, nero::IsoItem&) { std::memset(a.name, 'A', sizeof a.name); }},
        {"source without terminator", [](nero::IsoItem&, nero::IsoItem& b) { std::memset(b.sourcePath, 'b', sizeof b.sourcePath); }},
        {"empty name", [](nero::IsoItem&, nero::IsoItem& b) { b.name[0] = '\0'; }},
        {"cycle", [](nero::IsoItem& a, nero::IsoItem& b) { b.next = &a; }},
    };
    for (const Case& c : cases) {
        ItemTree tree;
        nero::IsoItem* folder = tree.Add("VIDEO_TS", true, "", nullptr);
        nero::IsoItem* file = tree.Add("VIDEO_TS.IFO", false, "/nonexistent/VIDEO_TS.IFO", folder);
        c.spoil(*folder, *file);
        Api().ClearErrors();
        EXPECT_EQ(Api().CreateIsoTrackEx(tree.Root(), "LABEL", 0x4018), nullptr) << c.what;
        EXPECT_NE(TakeText(Api().GetErrorLog()).find("The ISO track was not made"), std::string::npos) << c.what;
    }
    EXPECT_EQ(Api().CreateIsoTrackEx(nullptr, "LABEL", 0x4018), nullptr);
    Api().ClearErrors();
}

TEST(RecorderIsoTrack, AcceptsAnArgumentRecordInPlaceOfTheLabel) {
    ItemTree tree;
    tree.Add("README.TXT", false, "/nonexistent", nullptr);
    nero::IsoTrackArgs args{{1, 2, 3, 4, 5}};
    nero::IsoTrack* track = Api().CreateIsoTrackEx(tree.Root(), reinterpret_cast<const char*>(&args),
                                                   0x4018 | nero::kIsoArgsRecord);
    ASSERT_NE(track, nullptr);
    intptr_t outs[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    track->Op29(&outs[0], &outs[1], &outs[2], &outs[3], &outs[4], &outs[5], &outs[6], &outs[7]);
    EXPECT_EQ(std::count(outs, outs + 8, 0), 8);
    // Destroy without the free bit releases the content only; the track then
    // cannot be burned, and NeroFreeIsoTrack still frees it.
    track->Destroy(0);
    nero::WriteDescription description{};
    description.track = track;
    JobRecorder job;
    nero::DeviceHandle image = OpenByName("Image Recorder");
    EXPECT_EQ(Api().Burn(image, 0, &description, 0x190C, 0, job.Progress()), nero::kBurnFailed);
    Api().CloseDevice(image);
    Api().FreeIsoTrack(track);
    Api().FreeIsoTrack(track);  // a second release of a freed track is ignored
    Api().ClearErrors();
}

}  // namespace
}  // namespace rec::test

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <tuple>
#include <vector>

#include "neroapi/NeroApiLib.h"
#include "tests/neroapi/FakeLibrary.h"
#include "tests/neroapi/FakeTracks.h"

namespace bb::neroapi {
namespace {

using neroapi::test::CurrentTrack;
using neroapi::test::Journal;
using neroapi::test::OldTrack;
using TrackWrapperTest = neroapi::test::FakeLibraryTest;

// The fake library makes old-table tracks, releases what it is given through
// operation 0 of the table it was told to expect, and during a burn calls
// old operation 13 of the track it finds in the record.
struct FakeTracks {
    const char* nameSeen = nullptr;
    neroapi::IsoTrackArgs argsSeen{};
    OldTrack* made = nullptr;
    Journal madeJournal;
    bool releaseAsOld = false;
    const void* released = nullptr;
    ptrdiff_t burnTrackAt = -1;
    std::vector<unsigned char> recordSeen;
    intptr_t burnAnswer = 0;
} g_tracks;

void Export(neroapi::test::FakeModuleLoader& loader) {
    g_tracks = {};
    loader.Export<neroapi::FnNeroCreateIsoTrackEx>("NeroCreateIsoTrackEx", [](neroapi::IsoItem*, const char* name, uint32_t flags) {
        g_tracks.nameSeen = name;
        if (flags & neroapi::kIsoArgsRecord) std::memcpy(&g_tracks.argsSeen, name, sizeof g_tracks.argsSeen);
        g_tracks.madeJournal = Journal{};
        g_tracks.made = new OldTrack(g_tracks.madeJournal);
        return reinterpret_cast<neroapi::IsoTrack*>(static_cast<neroapi::IsoTrackOld*>(g_tracks.made));
    });
    loader.Export<neroapi::FnNeroFreeIsoTrack>("NeroFreeIsoTrack", [](neroapi::IsoTrack* track) {
        g_tracks.released = track;
        if (track && g_tracks.releaseAsOld) reinterpret_cast<neroapi::IsoTrackOld*>(track)->Destroy(1);
        else if (track) track->Destroy(1);
    });
    loader.Export<neroapi::FnNeroBurn>("NeroBurn", [](neroapi::DeviceHandle, int, void* record, uint32_t, uint32_t,
                                                   neroapi::LibProgressRecord*) {
        auto* bytes = static_cast<unsigned char*>(record);
        g_tracks.recordSeen.assign(bytes, bytes + sizeof(neroapi::WriteDescription));
        neroapi::IsoTrackOld* track;
        if (g_tracks.burnTrackAt >= 0) {
            std::memcpy(&track, bytes + g_tracks.burnTrackAt, sizeof track);
            g_tracks.burnAnswer = track->Op13(1, 2);
        }
        return 5;
    });
}

TEST_F(TrackWrapperTest, CreateCopiesTheArgumentRecordAndWrapsOldTracksPartByPart) {
    Export(loader);
    const std::tuple<std::optional<ApiVersion>, bool, bool> cases[] = {
        // version, argument record copied, track wrapped
        // Each part at most 5.5.9.25 copies, at most 5.5.9.15 wraps: 5.5.8.30
        // does neither though it is below 5.5.9.16.
        {std::nullopt, true, true},              {ApiVersion{5, 4, 0, 0}, true, true},
        {ApiVersion{5, 5, 9, 15}, true, true},   {ApiVersion{5, 5, 9, 16}, true, false},
        {ApiVersion{5, 5, 9, 25}, true, false},  {ApiVersion{5, 5, 9, 26}, false, false},
        {ApiVersion{5, 5, 8, 30}, false, false}, {ApiVersion{6, 6, 0, 1}, false, false},
    };
    const neroapi::IsoTrackArgs args{{11, 22, 33, 44, 55}};
    for (const auto& [version, copied, wrapped] : cases) {
        for (uint32_t flags : {neroapi::kIsoUdf, neroapi::kIsoUdf | neroapi::kIsoArgsRecord}) {
            const bool record = flags & neroapi::kIsoArgsRecord;
            const std::string at =
                std::to_string(version ? neroapi::ToFourDigit(*version) : 0) + (record ? " record" : " label");
            LoadWithVersions(version);
            const char* second = record ? reinterpret_cast<const char*>(&args) : "LABEL";
            neroapi::IsoTrack* track = neroapi::NeroCreateIsoTrackEx(nullptr, second, flags);
            EXPECT_EQ(g_tracks.nameSeen != second, record && copied) << at;
            if (record && copied) {
                EXPECT_EQ(std::vector<uint32_t>(g_tracks.argsSeen.fields, g_tracks.argsSeen.fields + 5),
                          (std::vector<uint32_t>{0, 22, 33, 44, 55})) << at;
            }
            auto* adapter = dynamic_cast<neroapi::COldIsoTrackAsNew*>(track);
            ASSERT_EQ(adapter != nullptr, wrapped) << at;
            if (wrapped) {
                EXPECT_EQ(adapter->Inner(), g_tracks.made) << at;
                neroapi::ReleaseIsoTrackAdapter(track);
            } else {
                g_tracks.made->Destroy(1);
            }
            EXPECT_EQ(g_tracks.madeJournal.alive, 0) << at;
        }
    }
    EXPECT_EQ(args.fields[0], 11u);  // the caller's record is left alone
}

TEST_F(TrackWrapperTest, FreeHandsLibrariesBefore5_5_9_16AnOwningAdapter) {
    Export(loader);
    const std::pair<std::optional<ApiVersion>, bool> cases[] = {
        {std::nullopt, true}, {ApiVersion{5, 5, 8, 30}, true}, {ApiVersion{5, 5, 9, 15}, true},
        {ApiVersion{5, 5, 9, 16}, false}};
    for (const auto& [version, adapted] : cases) {
        LoadWithVersions(version);
        Journal journal;
        auto* track = new CurrentTrack(journal);
        g_tracks.releaseAsOld = adapted;
        neroapi::NeroFreeIsoTrack(track);
        EXPECT_EQ(g_tracks.released == track, !adapted);
        EXPECT_EQ(journal.destroyFlags, std::vector<uint32_t>{1});
    }
    neroapi::NeroFreeIsoTrack(nullptr);
    EXPECT_EQ(g_tracks.released, nullptr);
}

TEST_F(TrackWrapperTest, BurnAdaptsTheWriteDescriptionByCompileTypeAndRestoresTheTrack) {
    Export(loader);
    // Offsets of mask and track (-1: none) in the 32-bit record; a 64-bit
    // build has an 8-byte, 8-aligned pointer among 32-bit fields.
    const bool wide = sizeof(void*) == 8;
    struct Case { int compileType; ptrdiff_t mask, track; } const cases[] = {
        {0, wide ? 28 : 24, 8}, {1, -1, 8}, {3, wide ? 44 : 36, wide ? 16 : 12}, {4, 8, -1}, {1001, 12, -1}, {2, -1, -1},
    };
    const std::tuple<ApiVersion, uint32_t, bool> libraries[] = {
        {{5, 5, 9, 15}, 0xC, true}, {{6, 2, 0, 0}, 0x1C, false}, {{6, 6, 0, 1}, 0x4001C, false}};
    for (const auto& [version, maskSeen, adapted] : libraries) {
        LoadWithVersions(version);
        for (const Case& c : cases) {
            const std::string at =
                std::to_string(neroapi::ToFourDigit(version)) + " type " + std::to_string(c.compileType);
            Journal journal;
            neroapi::IsoTrack* own = new CurrentTrack(journal);
            neroapi::WriteDescription record;
            std::memset(&record, 0x5A, sizeof record);
            auto* bytes = reinterpret_cast<unsigned char*>(&record);
            if (c.track >= 0) std::memcpy(bytes + c.track, &own, sizeof own);
            if (c.mask >= 0) std::memcpy(bytes + c.mask, &neroapi::kMediaMaskDvd, 4);
            std::vector<unsigned char> expected(bytes, bytes + sizeof record);
            if (c.mask >= 0) std::memcpy(expected.data() + c.mask, &maskSeen, 4);
            g_tracks.burnTrackAt = adapted ? c.track : -1;

            EXPECT_EQ(neroapi::NeroBurn(nullptr, c.compileType, &record, 0, 0, nullptr), 5) << at;

            // The library saw the converted mask, and an adapter that maps
            // old 13 onto current 21 of the caller's track.
            if (c.mask >= 0) {
                EXPECT_EQ(std::memcmp(g_tracks.recordSeen.data() + c.mask, &maskSeen, 4), 0) << at;
            }
            if (adapted && c.track >= 0) {
                EXPECT_EQ(g_tracks.burnAnswer, 1000 + 21) << at;
            }
            EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + sizeof record), expected) << at;
            EXPECT_EQ(journal.alive, 1) << at;
            own->Destroy(1);
        }
    }
}

// The burn job's whole use of a track on a library older than 5.5.9.16.
TEST_F(TrackWrapperTest, TrackLifeOnAnOldLibraryDestroysTheLibrarysObjectOnce) {
    Export(loader);
    LoadWithVersions(ApiVersion{5, 5, 9, 15});
    neroapi::WriteDescription record{};
    record.track = neroapi::NeroCreateIsoTrackEx(nullptr, "LABEL", neroapi::kIsoUdf);
    record.mediaMask = neroapi::kMediaMaskDvd;
    neroapi::IsoTrack* const track = record.track;
    g_tracks.burnTrackAt = offsetof(neroapi::WriteDescription, track);
    EXPECT_EQ(neroapi::NeroBurn(nullptr, 0, &record, 0, 0, nullptr), 5);
    // Old 13 -> current 21 of the old-as-new adapter -> old 13 of the library's object.
    EXPECT_EQ(g_tracks.burnAnswer, 1000 + 13);
    EXPECT_EQ(record.track, track);
    EXPECT_EQ(record.mediaMask, 0xCu);

    g_tracks.releaseAsOld = true;
    neroapi::NeroFreeIsoTrack(track);
    EXPECT_EQ(g_tracks.madeJournal.destroyFlags, std::vector<uint32_t>{1});
}

}  // namespace
}  // namespace bb::neroapi

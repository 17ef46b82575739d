#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "neroapi/NeroApiLib.h"
#include "tests/unit/binding/FakeLibrary.h"
#include "tests/unit/binding/FakeTracks.h"

namespace {

using binding_test::CurrentTrack;
using binding_test::g_fake;
using binding_test::Journal;
using binding_test::OldTrack;
using NeroApiLib::ApiVersion;

class TrackWrapperTest : public binding_test::FakeLibraryTest {
protected:
    void UseVersion(const std::optional<ApiVersion>& version) {
        loader.symbols.erase("NeroGetAPIVersionEx");
        if (version) WithVersion(*version);
        LoadLibrary();
    }
};

std::string Text(const std::optional<ApiVersion>& v) {
    if (!v) return "unread";
    return std::to_string(v->majorHigh) + "." + std::to_string(v->majorLow) + "." +
           std::to_string(v->minorHigh) + "." + std::to_string(v->minorLow);
}

// What the fake NeroCreateIsoTrackEx saw and made.
struct CreateProbe {
    const char* nameSeen = nullptr;
    nero::IsoTrackArgs argsSeen{};
    OldTrack* made = nullptr;
    Journal journal;
};
CreateProbe g_create;

nero::IsoTrack* NERO_CDECL FakeCreateIsoTrackEx(nero::IsoItem*, const char* name, uint32_t flags) {
    g_create.nameSeen = name;
    if (flags & nero::kIsoArgsRecord) std::memcpy(&g_create.argsSeen, name, sizeof g_create.argsSeen);
    g_create.journal = Journal{};
    g_create.made = new OldTrack(g_create.journal);
    return reinterpret_cast<nero::IsoTrack*>(static_cast<nero::IsoTrackOld*>(g_create.made));
}

TEST_F(TrackWrapperTest, CreateCopiesTheArgumentRecordAndWrapsOldTracksPartByPart) {
    loader.Export("NeroCreateIsoTrackEx", FakeCreateIsoTrackEx);
    struct Case {
        std::optional<ApiVersion> version;
        bool copied, wrapped;
    } const cases[] = {
        {std::nullopt, true, true},
        {ApiVersion{5, 5, 9, 15}, true, true},
        {ApiVersion{5, 5, 9, 20}, true, false},
        {ApiVersion{5, 5, 8, 30}, false, false},
        {ApiVersion{6, 6, 0, 1}, false, false},
    };
    for (const Case& c : cases) {
        for (uint32_t flags : {nero::kIsoUdf, nero::kIsoUdf | nero::kIsoArgsRecord}) {
            const bool argsRecord = flags & nero::kIsoArgsRecord;
            SCOPED_TRACE(Text(c.version) + (argsRecord ? " with" : " without") + " argument record");
            UseVersion(c.version);
            const nero::IsoTrackArgs args{{11, 22, 33, 44, 55}};
            const char* second = argsRecord ? reinterpret_cast<const char*>(&args) : "LABEL";

            nero::IsoTrack* track = NeroApiLib::NeroCreateIsoTrackEx(nullptr, second, flags);

            const bool expectCopy = argsRecord && c.copied;
            EXPECT_EQ(g_create.nameSeen != second, expectCopy);
            if (expectCopy) {
                EXPECT_EQ(std::vector<uint32_t>(g_create.argsSeen.fields, g_create.argsSeen.fields + 5),
                          (std::vector<uint32_t>{0, 22, 33, 44, 55}));
                EXPECT_EQ(args.fields[0], 11u);  // the caller's record is left alone
            }
            auto* adapter = dynamic_cast<NeroApiLib::COldIsoTrackAsNew*>(track);
            if (c.wrapped) {
                ASSERT_NE(adapter, nullptr);
                EXPECT_EQ(adapter->Inner(), g_create.made);
                NeroApiLib::ReleaseIsoTrackAdapter(track);  // owns the library's object
                EXPECT_EQ(g_create.journal.alive, 0);
            } else {
                EXPECT_EQ(static_cast<void*>(track), static_cast<void*>(static_cast<nero::IsoTrackOld*>(g_create.made)));
                g_create.made->Destroy(1);
            }
        }
    }
}

// The fake NeroFreeIsoTrack releases what it gets through operation 0 of
// the table it expects.
bool g_freeExpectsOldTable = false;
const void* g_freedTrack = nullptr;

void NERO_CDECL FakeFreeIsoTrack(nero::IsoTrack* track) {
    g_freedTrack = track;
    if (!track) return;
    if (g_freeExpectsOldTable) reinterpret_cast<nero::IsoTrackOld*>(track)->Destroy(1);
    else track->Destroy(1);
}

TEST_F(TrackWrapperTest, FreeHandsOldLibrariesAnOwningAdapter) {
    loader.Export("NeroFreeIsoTrack", FakeFreeIsoTrack);
    struct Case {
        std::optional<ApiVersion> version;
        bool adapted;
    } const cases[] = {
        {std::nullopt, true},
        {ApiVersion{5, 5, 9, 15}, true},
        {ApiVersion{5, 5, 8, 30}, true},  // in order, 5.5.8.30 is below 5.5.9.16
        {ApiVersion{5, 5, 9, 16}, false},
        {ApiVersion{6, 6, 0, 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Text(c.version));
        UseVersion(c.version);
        Journal journal;
        auto* track = new CurrentTrack(journal);
        g_freeExpectsOldTable = c.adapted;
        NeroApiLib::NeroFreeIsoTrack(track);
        EXPECT_EQ(g_freedTrack == track, !c.adapted);
        EXPECT_EQ(journal.alive, 0);
        EXPECT_EQ(journal.destroyFlags, std::vector<uint32_t>{1});
    }
    // No adapter around nothing.
    g_freedTrack = &g_freedTrack;
    NeroApiLib::NeroFreeIsoTrack(nullptr);
    EXPECT_EQ(g_freedTrack, nullptr);
}

// What the fake NeroBurn saw in the record during the call.
struct BurnProbe {
    std::vector<unsigned char> record;
    intptr_t innerAnswer = 0;  // old operation 13 through whatever track it saw
    const void* trackSeen = nullptr;
    ptrdiff_t trackOffset = -1;
};
BurnProbe g_burn;

int NERO_CDECL FakeBurn(nero::DeviceHandle, int, void* record, uint32_t, uint32_t, nero::LibProgressRecord*) {
    auto* bytes = static_cast<unsigned char*>(record);
    g_burn.record.assign(bytes, bytes + sizeof(nero::WriteDescription));
    if (g_burn.trackOffset >= 0) {
        nero::IsoTrackOld* track;
        std::memcpy(&track, bytes + g_burn.trackOffset, sizeof track);
        g_burn.trackSeen = track;
        g_burn.innerAnswer = track->Op13(1, 2);
    }
    return 5;
}

uint32_t MaskAt(const std::vector<unsigned char>& record, ptrdiff_t offset) {
    uint32_t mask;
    std::memcpy(&mask, record.data() + offset, sizeof mask);
    return mask;
}

TEST_F(TrackWrapperTest, BurnAdaptsTheWriteDescriptionByCompileType) {
    loader.Export("NeroBurn", FakeBurn);
    // Byte offsets of the mask and the track pointer (-1: none); a 64-bit
    // build has an 8-byte, 8-aligned pointer among 32-bit fields.
    struct Case {
        int compileType;
        ptrdiff_t mask32, track32, mask64, track64;
    } const cases[] = {
        {0, 24, 8, 28, 8}, {1, -1, 8, -1, 8}, {3, 36, 12, 44, 16},
        {4, 8, -1, 8, -1}, {1001, 12, -1, 12, -1}, {2, -1, -1, -1, -1},
    };
    struct Library {
        ApiVersion version;
        uint32_t maskSeen;
        bool adapted;
    } const libraries[] = {
        {{5, 5, 9, 15}, 0xC, true},
        {{6, 2, 0, 0}, 0x1C, false},
        {{6, 6, 0, 1}, 0x4001C, false},
    };
    for (const Library& library : libraries) {
        UseVersion(library.version);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << Text(library.version) << " compile type " << c.compileType);
            const bool wide = sizeof(void*) == 8;
            const ptrdiff_t maskAt = wide ? c.mask64 : c.mask32, trackAt = wide ? c.track64 : c.track32;
            Journal journal;
            auto* own = new CurrentTrack(journal);
            nero::WriteDescription record;
            std::memset(&record, 0x5A, sizeof record);
            auto* bytes = reinterpret_cast<unsigned char*>(&record);
            nero::IsoTrack* ownTrack = own;
            if (trackAt >= 0) std::memcpy(bytes + trackAt, &ownTrack, sizeof ownTrack);
            const uint32_t dvd = nero::kMediaMaskDvd;
            if (maskAt >= 0) std::memcpy(bytes + maskAt, &dvd, sizeof dvd);
            std::vector<unsigned char> before(bytes, bytes + sizeof record);
            g_burn = BurnProbe{};
            g_burn.trackOffset = library.adapted ? trackAt : -1;

            EXPECT_EQ(NeroApiLib::NeroBurn(nullptr, c.compileType, &record, 0, 0, nullptr), 5);

            std::vector<unsigned char> after(bytes, bytes + sizeof record);
            if (maskAt >= 0) {
                EXPECT_EQ(MaskAt(g_burn.record, maskAt), library.maskSeen);
                EXPECT_EQ(MaskAt(after, maskAt), library.maskSeen);  // stays converted
                std::memcpy(after.data() + maskAt, &dvd, sizeof dvd);
            }
            if (library.adapted && trackAt >= 0) {
                EXPECT_NE(g_burn.trackSeen, static_cast<const void*>(own));
                EXPECT_EQ(g_burn.innerAnswer, 1000 + 21);  // old 13 is current 21
                EXPECT_EQ(journal.alive, 1);               // the adapter did not own it
            }
            // Apart from the converted mask, the caller gets its record back.
            EXPECT_EQ(after, before);
            own->Destroy(1);
        }
    }
}

TEST_F(TrackWrapperTest, BurnPassesANullRecordOn) {
    loader.Export<nero::FnNeroBurn>("NeroBurn", [](nero::DeviceHandle, int, void* record, uint32_t, uint32_t,
                                                   nero::LibProgressRecord*) { return record ? 9 : 0; });
    UseVersion(std::nullopt);
    EXPECT_EQ(NeroApiLib::NeroBurn(nullptr, 0, nullptr, 0, 0, nullptr), 0);
}

// The burn job's whole use of a track on a library older than 5.5.9.16.
TEST_F(TrackWrapperTest, TrackLifeOnAnOldLibraryEndsWithTheLibrarysObjectDestroyedOnce) {
    loader.Export("NeroCreateIsoTrackEx", FakeCreateIsoTrackEx);
    loader.Export("NeroBurn", FakeBurn);
    loader.Export("NeroFreeIsoTrack", FakeFreeIsoTrack);
    UseVersion(ApiVersion{5, 5, 9, 15});

    nero::IsoTrack* track = NeroApiLib::NeroCreateIsoTrackEx(nullptr, "LABEL", nero::kIsoUdf);
    ASSERT_NE(track, nullptr);
    nero::WriteDescription record{};
    record.track = track;
    record.mediaMask = nero::kMediaMaskDvd;
    g_burn = BurnProbe{};
    g_burn.trackOffset = offsetof(nero::WriteDescription, track);
    EXPECT_EQ(NeroApiLib::NeroBurn(nullptr, 0, &record, 0, 0, nullptr), 5);
    // Old 13 -> current 21 (old-as-new) -> old 13 of the library's object.
    EXPECT_EQ(g_burn.innerAnswer, 1000 + 13);
    EXPECT_EQ(g_create.journal.ops, std::vector<int>{13});
    EXPECT_EQ(record.track, track);
    EXPECT_EQ(record.mediaMask, 0xCu);

    g_freeExpectsOldTable = true;
    NeroApiLib::NeroFreeIsoTrack(track);
    EXPECT_EQ(g_create.journal.alive, 0);
    EXPECT_EQ(g_create.journal.destroyFlags, std::vector<uint32_t>{1});
}

}  // namespace

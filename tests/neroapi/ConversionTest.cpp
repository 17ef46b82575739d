// The binding's pure conversions: version numbers and media masks, old and
// current drive records, and the ISO track adapters between the two tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "neroapi/ApiVersion.h"
#include "neroapi/DriveConversion.h"
#include "neroapi/IsoTrackAdapters.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroRecords.h"
#include "tests/neroapi/FakeLibrary.h"
#include "tests/neroapi/FakeTracks.h"

namespace bb::neroapi {
namespace {

using neroapi::test::g_fake;
using test::CurrentTrack;
using test::Journal;
using test::OldTrack;

std::string Text(const VersionReading& v) {
    return v ? std::to_string(ToFourDigit(*v)) + "(" + std::to_string(v->minorLow) + ")" : "unread";
}

TEST(ApiVersion, FourDigitFormsAndComparison) {
    // Only the last four digits count; joining caps each part at 9.
    const std::pair<uint32_t, ApiVersion> split[] = {
        {5564, {5, 5, 6, 4}}, {6601, {6, 6, 0, 1}}, {0, {0, 0, 0, 0}}, {12345, {2, 3, 4, 5}}};
    for (const auto& [number, parts] : split) EXPECT_EQ(FromFourDigit(number), parts) << number;
    EXPECT_EQ(ToFourDigit({6, 6, 0, 1}), 6601u);
    EXPECT_EQ(ToFourDigit({12, 3, 4, 5}), 9345u);
    EXPECT_EQ(ToFourDigit({5, 5, 9, 30}), 5599u);
    // The first differing part decides.
    const std::tuple<ApiVersion, ApiVersion, bool> compared[] = {
        {{6, 3, 0, 5}, {6, 3, 0, 5}, true},   {{6, 3, 0, 4}, {6, 3, 0, 5}, false}, {{6, 2, 9, 99}, {6, 3, 0, 5}, false},
        {{7, 0, 0, 0}, {6, 3, 0, 5}, true},   {{5, 5, 10, 0}, {5, 5, 9, 16}, true}, {{5, 5, 9, 15}, {5, 5, 9, 16}, false},
        {{6, 4, 0, 0}, {6, 3, 9, 9}, true}};
    for (const auto& [v, reference, atLeast] : compared)
        EXPECT_EQ(IsVersionAtLeast(v, reference), atLeast) << Text(v) << " against " << Text(reference);
}

TEST(ApiVersion, MediaMaskTakesTheFormOfTheLibraryVersion) {
    const VersionReading unread, v5{{5, 5, 10, 0}}, v6_0_0_9{{6, 0, 0, 9}}, v6_0_0_10{{6, 0, 0, 10}},
        v6_2{{6, 2, 0, 0}}, v6_3_0_5{{6, 3, 0, 5}};
    // Version, mask, toward the library, mask after.
    const std::tuple<VersionReading, uint32_t, bool, uint32_t> cases[] = {
        {unread, 0x4001C, true, 0xC},        {v5, 0x4001C, true, 0xC},          {v6_0_0_9, 0x4001D, true, 0xC},
        {v6_0_0_10, 0x4001C, true, 0x1C},    {v6_2, 0x4001D, true, 0x1C},  // DVD plus CD: replaced whole
        {v6_2, 0x1, true, 0x1},              {v6_2, 0x1C, true, 0x1C},  // not all DVD bits: unchanged
        {v6_3_0_5, 0x4001C, true, 0x4001C},  {unread, 0xC, false, 0x4001C},     {v5, 0xD, false, 0x4001C},
        {v5, 0x4, false, 0x4},               {v6_0_0_10, 0xC, false, 0xC},      {v6_2, 0x1C, false, 0x4001C},
        {v6_2, 0x1004, false, 0x1004},       {v6_3_0_5, 0xC, false, 0xC},
    };
    for (const auto& [version, mask, toLibrary, expected] : cases)
        EXPECT_EQ(ConvertMediaMaskFor(version, mask, toLibrary), expected)
            << std::hex << "mask 0x" << mask << (toLibrary ? " to " : " from ") << Text(version);
}

neroapi::DriveInfoOld OldDrive() {
    neroapi::DriveInfoOld old{};
    std::strcpy(old.deviceName, "Old Writer");
    std::strcpy(old.secondName, "1.0");
    std::strcpy(old.thirdName, "third");
    old.value40 = 40, old.value44 = 44, old.deviceKind = 1, old.oneChar = 'E', old.capabilities = 0x31;
    old.value228 = 228, old.value264 = 264;
    old.firstSpeedCount = 1, old.firstSpeeds[0] = 8;
    old.writeSpeedCount = 3, old.writeSpeeds[0] = 1, old.writeSpeeds[1] = 2, old.writeSpeeds[2] = 4;
    return old;
}

TEST(DriveConversion, OldRecordConvertsToCurrentAndBackByteForByte) {
    neroapi::DriveInfo drive;
    std::memset(&drive, 0xAB, sizeof drive);
    const neroapi::DriveInfoOld old = OldDrive();
    neroapi::ConvertDriveFromOld(old, drive);

    EXPECT_STREQ(drive.deviceName, "Old Writer");
    EXPECT_EQ(drive.value72 + drive.value76 + drive.value1388 + drive.value1456, 40u + 44 + 228 + 264);
    EXPECT_EQ(drive.writeSpeeds.baseRate, 150u);
    EXPECT_EQ(std::vector<uint32_t>(drive.writeSpeeds.rates, drive.writeSpeeds.rates + 4),
              (std::vector<uint32_t>{150, 300, 600, 0}));
    // No media bits: a drive filter that requires one lists none of these.
    EXPECT_EQ(drive.mediaMask, 0u);
    EXPECT_EQ(std::vector<uint8_t>(drive.reserved, drive.reserved + 252), std::vector<uint8_t>(252, 0));

    neroapi::DriveInfoOld back;
    std::memset(&back, 0xCD, sizeof back);
    neroapi::ConvertDriveToOld(drive, back);
    EXPECT_EQ(std::memcmp(&back, &old, sizeof back), 0);
}

TEST(DriveConversion, NamesAreCutToTheNarrowerField) {
    neroapi::DriveInfoOld old{};
    std::memset(old.deviceName, 'D', sizeof old.deviceName);  // no terminator within the field
    std::memset(old.secondName, 'S', sizeof old.secondName);
    neroapi::DriveInfo drive{};
    neroapi::ConvertDriveFromOld(old, drive);
    EXPECT_EQ(std::string(drive.deviceName), std::string(32, 'D'));
    EXPECT_EQ(std::string(drive.secondName), std::string(7, 'S'));

    std::memset(drive.deviceName, 'd', sizeof drive.deviceName);
    std::memset(drive.thirdName, 't', sizeof drive.thirdName);
    neroapi::ConvertDriveToOld(drive, old);
    EXPECT_EQ(std::string(old.deviceName), std::string(31, 'd'));
    EXPECT_EQ(std::string(old.thirdName), std::string(31, 't'));
}

TEST(DriveConversion, SpeedCountsAreClampedAndTheFastestKept) {
    struct Case {
        uint32_t count, oldCount, lastSlot;
    } const cases[] = {{0, 0, 0}, {3, 3, 3}, {20, 20, 20}, {25, 20, 25}, {500, 20, 64}};
    for (const Case& c : cases) {
        const std::string at = std::to_string(c.count);
        neroapi::DriveInfo drive{};
        drive.writeSpeeds.count = c.count;
        for (uint32_t i = 0; i < neroapi::kMaxSpeeds; ++i) drive.writeSpeeds.multiples[i] = i + 1;
        neroapi::DriveInfoOld old;
        neroapi::ConvertDriveToOld(drive, old);
        ASSERT_EQ(old.writeSpeedCount, c.oldCount) << at;
        std::vector<uint32_t> expected(20, 0);
        for (uint32_t i = 0; i < c.oldCount; ++i) expected[i] = i + 1;
        if (c.oldCount) expected[c.oldCount - 1] = c.lastSlot;
        EXPECT_EQ(std::vector<uint32_t>(old.writeSpeeds, old.writeSpeeds + 20), expected) << at;

        // Back: an old count above the record's 20 reads as 20.
        old.writeSpeedCount = c.count;
        neroapi::ConvertDriveFromOld(old, drive);
        EXPECT_EQ(drive.writeSpeeds.count, c.oldCount) << at;
    }
}

using DriveListConversion = neroapi::test::FakeLibraryTest;

TEST_F(DriveListConversion, ListGoesToLibraryMemoryOrNowhere) {
    LoadLibrary();
    std::vector<unsigned char> raw(4 + 2 * sizeof(neroapi::DriveInfoOld));
    auto* oldList = reinterpret_cast<neroapi::DriveInfoOldList*>(raw.data());
    oldList->drives[1] = OldDrive();
    for (uint32_t count : {0u, 2u}) {
        oldList->count = count;
        g_fake.allocations.clear();
        neroapi::LibraryMemory<neroapi::DriveInfoList> list(neroapi::ConvertDriveListFromOld(oldList));
        ASSERT_TRUE(list);
        EXPECT_EQ(g_fake.allocations, std::vector<size_t>{4 + 1720 * size_t{count}});
        EXPECT_EQ(list->count, count);
        if (count) {
            EXPECT_STREQ(list->drives[1].deviceName, "Old Writer");
        }
    }
    EXPECT_EQ(neroapi::ConvertDriveListFromOld(nullptr), nullptr);
    EXPECT_EQ(neroapi::ConvertDriveToOld(nullptr), nullptr);
    g_fake.allocatorFails = true;
    EXPECT_EQ(neroapi::ConvertDriveListFromOld(oldList), nullptr);

    // A count whose size does not fit a 32-bit size_t is refused unallocated.
    oldList->count = 0xFFFFFFFFu;
    g_fake.allocations.clear();
    if (sizeof(size_t) == 4) {
        EXPECT_EQ(neroapi::ConvertDriveListFromOld(oldList), nullptr);
        EXPECT_TRUE(g_fake.allocations.empty());
    }
}

template <typename Table>
using TwoArgOp = intptr_t (Table::*)(intptr_t, intptr_t);

// Presented two-argument operation, and the inner one it reaches (0: the
// adapter answers 0 itself).
template <typename Table>
struct Route { TwoArgOp<Table> op; int inner; };

template <typename Table>
void ExpectRoutes(Table* track, Journal& journal, const std::vector<Route<Table>>& routes) {
    for (size_t i = 0; i < routes.size(); ++i) {
        journal.ops.clear(), journal.args.clear();
        const int inner = routes[i].inner;
        EXPECT_EQ((track->*routes[i].op)(-3, 9), inner == 0 ? 0 : 1000 + inner) << "route " << i;
        EXPECT_EQ(journal.ops, inner == 0 ? std::vector<int>{} : std::vector<int>{inner}) << "route " << i;
        EXPECT_EQ(journal.args, (inner == 0 ? std::vector<intptr_t>{} : std::vector<intptr_t>{-3, 9})) << "route " << i;
    }
}

TEST(IsoTrackAdapters, EachPresentedOperationIsForwardedOrAnswered) {
    using T = neroapi::IsoTrack;
    Journal oldJournal, newJournal;
    neroapi::IsoTrack* oldAsNew = new COldIsoTrackAsNew(new OldTrack(oldJournal), 1);
    ExpectRoutes<T>(oldAsNew, oldJournal,
                    {{&T::Op1, 1}, {&T::Op4, 4}, {&T::Op10, 10}, {&T::Op11, 11}, {&T::Op14, 0}, {&T::Op19, 0},
                     {&T::Op21, 13}, {&T::Op22, 14}, {&T::Op25, 17}, {&T::Op27, 19}});

    using O = neroapi::IsoTrackOld;
    neroapi::IsoTrackOld* newAsOld = new CNewIsoTrackAsOld(new CurrentTrack(newJournal), 1);
    ExpectRoutes<O>(newAsOld, newJournal,
                    {{&O::Op2, 2}, {&O::Op3, 3}, {&O::Op10, 10}, {&O::Op13, 21}, {&O::Op14, 22}, {&O::Op19, 27}});

    // What the inner table lacks, or the library must not reach, is answered.
    oldJournal.ops.clear(), newJournal.ops.clear();
    EXPECT_EQ(oldAsNew->Op5() | oldAsNew->Op7(1) | oldAsNew->Op12() | oldAsNew->Op13(1) | oldAsNew->Op20() |
                  oldAsNew->Op28() | newAsOld->Op6() | newAsOld->Op8(),
              0);
    intptr_t out[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(oldAsNew->Op9(&out[0], &out[1]), reinterpret_cast<intptr_t>(&out[0]));
    EXPECT_EQ(newAsOld->Op9(&out[2], &out[3]), reinterpret_cast<intptr_t>(&out[2]));
    oldAsNew->Op29(&out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7]);
    EXPECT_EQ(std::vector<intptr_t>(out, out + 8), std::vector<intptr_t>(8, 0));
    EXPECT_TRUE(oldJournal.ops.empty() && newJournal.ops.empty());

    neroapi::ReleaseIsoTrackAdapter(oldAsNew);
    neroapi::ReleaseIsoTrackAdapter(newAsOld);
}

TEST(IsoTrackAdapters, DestroyReachesTheInnerObjectOnceAndOnlyWhenOwned) {
    for (uint32_t owns : {0u, 1u}) {
        Journal oldJournal, newJournal;
        auto* oldInner = new OldTrack(oldJournal);
        auto* newInner = new CurrentTrack(newJournal);
        auto* newAsOld = new CNewIsoTrackAsOld(newInner, owns);
        newAsOld->Destroy(0);  // keeps the adapter
        neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrackOld*>(newAsOld));
        neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrack*>(new COldIsoTrackAsNew(oldInner, owns)));
        const std::vector<uint32_t> destroyed = owns ? std::vector<uint32_t>{1} : std::vector<uint32_t>{};
        EXPECT_EQ(oldJournal.destroyFlags, destroyed) << "owns " << owns;
        EXPECT_EQ(newJournal.destroyFlags, destroyed) << "owns " << owns;
        if (!owns) oldInner->Destroy(1), newInner->Destroy(1);
    }
}

TEST(IsoTrackAdapters, LayoutIsTablePointerInnerObjectOwnsFlag) {
    Journal journal;
    auto* inner = new OldTrack(journal);
    auto* adapter = new COldIsoTrackAsNew(inner, 1);
    void* words[2];
    uint32_t owns;
    std::memcpy(words, adapter, sizeof words);
    std::memcpy(&owns, reinterpret_cast<const char*>(adapter) + 2 * sizeof(void*), sizeof owns);
    EXPECT_EQ(words[1], static_cast<void*>(static_cast<neroapi::IsoTrackOld*>(inner)));
    EXPECT_EQ(owns, 1u);
    neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrack*>(adapter));
}

}  // namespace
}  // namespace bb::neroapi

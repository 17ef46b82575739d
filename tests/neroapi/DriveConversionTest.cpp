#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "neroapi/DriveConversion.h"
#include "neroapi/LibraryMemory.h"
#include "tests/neroapi/FakeLibrary.h"

namespace bb::neroapi {
namespace {

using neroapi::test::g_fake;

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

}  // namespace
}  // namespace bb::neroapi

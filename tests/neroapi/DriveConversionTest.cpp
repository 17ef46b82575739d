#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "neroapi/DriveConversion.h"
#include "neroapi/LibraryMemory.h"
#include "tests/neroapi/FakeLibrary.h"

namespace {

using binding_test::g_fake;

nero::DriveInfoOld OldDrive() {
    nero::DriveInfoOld old{};
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
    nero::DriveInfo drive;
    std::memset(&drive, 0xAB, sizeof drive);
    const nero::DriveInfoOld old = OldDrive();
    NeroApiLib::ConvertDriveFromOld(old, drive);

    EXPECT_STREQ(drive.deviceName, "Old Writer");
    EXPECT_EQ(drive.value72 + drive.value76 + drive.value1388 + drive.value1456, 40u + 44 + 228 + 264);
    EXPECT_EQ(drive.writeSpeeds.baseRate, 150u);
    EXPECT_EQ(std::vector<uint32_t>(drive.writeSpeeds.rates, drive.writeSpeeds.rates + 4),
              (std::vector<uint32_t>{150, 300, 600, 0}));
    // No media bits: a drive filter that requires one lists none of these.
    EXPECT_EQ(drive.mediaMask, 0u);
    EXPECT_EQ(std::vector<uint8_t>(drive.reserved, drive.reserved + 252), std::vector<uint8_t>(252, 0));

    nero::DriveInfoOld back;
    std::memset(&back, 0xCD, sizeof back);
    NeroApiLib::ConvertDriveToOld(drive, back);
    EXPECT_EQ(std::memcmp(&back, &old, sizeof back), 0);
}

TEST(DriveConversion, NamesAreCutToTheNarrowerField) {
    nero::DriveInfoOld old{};
    std::memset(old.deviceName, 'D', sizeof old.deviceName);  // no terminator within the field
    std::memset(old.secondName, 'S', sizeof old.secondName);
    nero::DriveInfo drive{};
    NeroApiLib::ConvertDriveFromOld(old, drive);
    EXPECT_EQ(std::string(drive.deviceName), std::string(32, 'D'));
    EXPECT_EQ(std::string(drive.secondName), std::string(7, 'S'));

    std::memset(drive.deviceName, 'd', sizeof drive.deviceName);
    std::memset(drive.thirdName, 't', sizeof drive.thirdName);
    NeroApiLib::ConvertDriveToOld(drive, old);
    EXPECT_EQ(std::string(old.deviceName), std::string(31, 'd'));
    EXPECT_EQ(std::string(old.thirdName), std::string(31, 't'));
}

TEST(DriveConversion, SpeedCountsAreClampedAndTheFastestKept) {
    struct Case {
        uint32_t count, oldCount, lastSlot;
    } const cases[] = {{0, 0, 0}, {3, 3, 3}, {20, 20, 20}, {25, 20, 25}, {500, 20, 64}};
    for (const Case& c : cases) {
        const std::string at = std::to_string(c.count);
        nero::DriveInfo drive{};
        drive.writeSpeeds.count = c.count;
        for (uint32_t i = 0; i < nero::kMaxSpeeds; ++i) drive.writeSpeeds.multiples[i] = i + 1;
        nero::DriveInfoOld old;
        NeroApiLib::ConvertDriveToOld(drive, old);
        ASSERT_EQ(old.writeSpeedCount, c.oldCount) << at;
        std::vector<uint32_t> expected(20, 0);
        for (uint32_t i = 0; i < c.oldCount; ++i) expected[i] = i + 1;
        if (c.oldCount) expected[c.oldCount - 1] = c.lastSlot;
        EXPECT_EQ(std::vector<uint32_t>(old.writeSpeeds, old.writeSpeeds + 20), expected) << at;

        // Back: an old count above the record's 20 reads as 20.
        old.writeSpeedCount = c.count;
        NeroApiLib::ConvertDriveFromOld(old, drive);
        EXPECT_EQ(drive.writeSpeeds.count, c.oldCount) << at;
    }
}

using DriveListConversion = binding_test::FakeLibraryTest;

TEST_F(DriveListConversion, ListGoesToLibraryMemoryOrNowhere) {
    LoadLibrary();
    std::vector<unsigned char> raw(4 + 2 * sizeof(nero::DriveInfoOld));
    auto* oldList = reinterpret_cast<nero::DriveInfoOldList*>(raw.data());
    oldList->drives[1] = OldDrive();
    for (uint32_t count : {0u, 2u}) {
        oldList->count = count;
        g_fake.allocations.clear();
        NeroApiLib::LibraryMemory<nero::DriveInfoList> list(NeroApiLib::ConvertDriveListFromOld(oldList));
        ASSERT_TRUE(list);
        EXPECT_EQ(g_fake.allocations, std::vector<size_t>{4 + 1720 * size_t{count}});
        EXPECT_EQ(list->count, count);
        if (count) {
            EXPECT_STREQ(list->drives[1].deviceName, "Old Writer");
        }
    }
    EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(nullptr), nullptr);
    EXPECT_EQ(NeroApiLib::ConvertDriveToOld(nullptr), nullptr);
    g_fake.allocatorFails = true;
    EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(oldList), nullptr);

    // A count whose size does not fit a 32-bit size_t is refused unallocated.
    oldList->count = 0xFFFFFFFFu;
    g_fake.allocations.clear();
    if (sizeof(size_t) == 4) {
        EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(oldList), nullptr);
        EXPECT_TRUE(g_fake.allocations.empty());
    }
}

}  // namespace

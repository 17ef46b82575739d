#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "neroapi/DriveConversion.h"
#include "neroapi/LibraryMemory.h"
#include "tests/unit/binding/FakeLibrary.h"

namespace {

using binding_test::g_fake;

template <size_t N>
void Fill(char (&field)[N], char c) {
    std::memset(field, c, N);  // no terminator within the field
}

nero::DriveInfoOld OldDrive() {
    nero::DriveInfoOld old{};
    std::strcpy(old.deviceName, "Old Writer");
    std::strcpy(old.secondName, "1.0");
    old.value40 = 40;
    old.value44 = 44;
    old.deviceKind = 1;
    old.oneChar = 'E';
    old.capabilities = 0x31;
    old.firstSpeedCount = 2;
    old.firstSpeeds[0] = 8;
    old.firstSpeeds[1] = 16;
    old.writeSpeedCount = 3;
    old.writeSpeeds[0] = 1;
    old.writeSpeeds[1] = 2;
    old.writeSpeeds[2] = 4;
    old.value228 = 228;
    std::strcpy(old.thirdName, "third");
    old.value264 = 264;
    return old;
}

TEST(DriveConversion, OldRecordFieldsLandInTheCurrentRecord) {
    nero::DriveInfo drive;
    std::memset(&drive, 0xAB, sizeof drive);
    NeroApiLib::ConvertDriveFromOld(OldDrive(), drive);

    EXPECT_STREQ(drive.deviceName, "Old Writer");
    EXPECT_STREQ(drive.secondName, "1.0");
    EXPECT_EQ(drive.value72, 40u);
    EXPECT_EQ(drive.value76, 44u);
    EXPECT_EQ(drive.deviceKind, 1u);
    EXPECT_EQ(drive.oneChar, 'E');
    EXPECT_EQ(drive.capabilities, 0x31u);
    EXPECT_EQ(drive.value1388, 228u);
    EXPECT_STREQ(drive.thirdName, "third");
    EXPECT_EQ(drive.value1456, 264u);
    // A converted drive supports no media as far as a filter can tell.
    EXPECT_EQ(drive.mediaMask, 0u);
    EXPECT_EQ(drive.value1464, 0u);
    for (uint8_t b : drive.reserved) ASSERT_EQ(b, 0);

    EXPECT_EQ(drive.writeSpeeds.count, 3u);
    EXPECT_EQ(drive.writeSpeeds.baseRate, 150u);
    const uint32_t rates[] = {150, 300, 600}, multiples[] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(drive.writeSpeeds.rates[i], rates[i]);
        EXPECT_EQ(drive.writeSpeeds.multiples[i], multiples[i]);
    }
    EXPECT_EQ(drive.writeSpeeds.rates[3], 0u);
    EXPECT_EQ(drive.firstSpeeds.count, 2u);
    EXPECT_EQ(drive.firstSpeeds.rates[1], 16u * 150);
}

TEST(DriveConversion, NamesAreCutToTheNarrowerField) {
    nero::DriveInfoOld old{};
    Fill(old.deviceName, 'D');  // 32 characters, unterminated
    Fill(old.secondName, 'S');
    Fill(old.thirdName, 'T');
    nero::DriveInfo drive;
    NeroApiLib::ConvertDriveFromOld(old, drive);
    EXPECT_EQ(std::string(drive.deviceName), std::string(32, 'D'));
    EXPECT_EQ(std::string(drive.secondName), std::string(7, 'S'));
    EXPECT_EQ(std::string(drive.thirdName), std::string(32, 'T'));

    nero::DriveInfo current{};
    Fill(current.deviceName, 'd');
    Fill(current.secondName, 's');
    Fill(current.thirdName, 't');
    nero::DriveInfoOld back;
    NeroApiLib::ConvertDriveToOld(current, back);
    EXPECT_EQ(std::string(back.deviceName), std::string(31, 'd'));
    EXPECT_EQ(std::string(back.secondName), std::string(7, 's'));
    EXPECT_EQ(std::string(back.thirdName), std::string(31, 't'));
}

TEST(DriveConversion, OldSpeedCountsAboveTheirCapacityAreReadAsTwenty) {
    nero::DriveInfoOld old = OldDrive();
    old.writeSpeedCount = 1000;
    for (uint32_t i = 0; i < 20; ++i) old.writeSpeeds[i] = i + 1;
    nero::DriveInfo drive;
    NeroApiLib::ConvertDriveFromOld(old, drive);
    EXPECT_EQ(drive.writeSpeeds.count, 20u);
    EXPECT_EQ(drive.writeSpeeds.multiples[19], 20u);
    EXPECT_EQ(drive.writeSpeeds.rates[19], 20u * 150);
    EXPECT_EQ(drive.writeSpeeds.multiples[20], 0u);
}

TEST(DriveConversion, CurrentSpeedsKeepTheFirstNineteenAndTheFastest) {
    struct Case {
        uint32_t count;          // speeds 1..count (capped at 64 in the record)
        uint32_t oldCount;
        uint32_t lastSlot;       // value in slot oldCount - 1
    } const cases[] = {
        {0, 0, 0}, {1, 1, 1}, {3, 3, 3}, {20, 20, 20}, {21, 20, 21}, {25, 20, 25},
        {64, 20, 64}, {500, 20, 64},  // a count beyond the record reads as 64
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        nero::DriveInfo drive{};
        drive.writeSpeeds.count = c.count;
        drive.firstSpeeds.count = c.count;
        for (uint32_t i = 0; i < nero::kMaxSpeeds; ++i) {
            drive.writeSpeeds.multiples[i] = i + 1;
            drive.firstSpeeds.multiples[i] = 100 + i + 1;
        }
        nero::DriveInfoOld old;
        NeroApiLib::ConvertDriveToOld(drive, old);
        EXPECT_EQ(old.writeSpeedCount, c.oldCount);
        EXPECT_EQ(old.firstSpeedCount, c.oldCount);
        if (c.oldCount == 0) continue;
        for (uint32_t i = 0; i + 1 < c.oldCount; ++i) ASSERT_EQ(old.writeSpeeds[i], i + 1);
        EXPECT_EQ(old.writeSpeeds[c.oldCount - 1], c.lastSlot);
        EXPECT_EQ(old.firstSpeeds[c.oldCount - 1], 100 + c.lastSlot);
        if (c.oldCount < 20) {
            EXPECT_EQ(old.writeSpeeds[c.oldCount], 0u);
        }
    }
}

TEST(DriveConversion, CurrentRecordFieldsLandInTheOldRecord) {
    nero::DriveInfo drive{};
    NeroApiLib::ConvertDriveFromOld(OldDrive(), drive);
    nero::DriveInfoOld back;
    std::memset(&back, 0xCD, sizeof back);
    NeroApiLib::ConvertDriveToOld(drive, back);
    const nero::DriveInfoOld expected = OldDrive();
    // The round trip gives back every byte of the old record.
    EXPECT_EQ(std::memcmp(&back, &expected, sizeof back), 0);
}

using DriveListConversion = binding_test::FakeLibraryTest;

TEST_F(DriveListConversion, ListGoesToLibraryMemoryOfTheRightSize) {
    LoadLibrary();
    struct Case {
        uint32_t count;
    } const cases[] = {{0}, {1}, {3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        std::vector<unsigned char> raw(4 + 360 * std::max<uint32_t>(c.count, 1));
        auto* oldList = reinterpret_cast<nero::DriveInfoOldList*>(raw.data());
        oldList->count = c.count;
        for (uint32_t i = 0; i < c.count; ++i) {
            oldList->drives[i] = OldDrive();
            oldList->drives[i].value40 = i;
        }
        g_fake.allocations.clear();
        NeroApiLib::LibraryMemory<nero::DriveInfoList> list(NeroApiLib::ConvertDriveListFromOld(oldList));
        ASSERT_TRUE(list);
        EXPECT_EQ(g_fake.allocations, std::vector<size_t>{4 + 1720 * size_t{c.count}});
        EXPECT_TRUE(g_fake.liveBlocks.count(list.get()));
        EXPECT_EQ(list->count, c.count);
        for (uint32_t i = 0; i < c.count; ++i) EXPECT_EQ(list->drives[i].value72, i);
    }
}

TEST_F(DriveListConversion, NothingToConvertOrNoMemoryGivesNull) {
    LoadLibrary();
    EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(nullptr), nullptr);

    nero::DriveInfoOldList one{1, {OldDrive()}};
    g_fake.allocatorFails = true;
    EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(&one), nullptr);
    EXPECT_EQ(NeroApiLib::ConvertDriveToOld(nullptr), nullptr);
}

TEST_F(DriveListConversion, CountTooLargeForMemoryIsRefusedBeforeAllocating) {
    if constexpr (sizeof(size_t) > 4) GTEST_SKIP() << "every 32-bit count fits a 64-bit size";
    LoadLibrary();
    nero::DriveInfoOldList huge{0xFFFFFFFFu, {OldDrive()}};
    EXPECT_EQ(NeroApiLib::ConvertDriveListFromOld(&huge), nullptr);
    EXPECT_TRUE(g_fake.allocations.empty());
}

}  // namespace

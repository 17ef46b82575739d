// Drive records as a library may hand them back: names without terminators,
// speed counts past the record's room, speeds and base rates of 0 or huge.
// The recorder list and the speed list read only what the record holds, and
// every speed text is a plain non-negative figure; the conversions to and
// from the old record layout keep within both layouts.
#include <cstring>
#include <string>

#include "neroapi/DriveConversion.h"
#include "recording/RecorderList.h"
#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

namespace {

template <typename Record>
void Fill(Record& record, const uint8_t* data, size_t size) {
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, data, size < sizeof record ? size : sizeof record);
}

void CheckSpeedTexts(const neroapi::SpeedInfo& speeds, int savedIndex) {
    const int count = recording::UsableSpeedCount(speeds);
    BB_FUZZ_CHECK(count >= 0 && count <= int(neroapi::kMaxSpeeds));
    BB_FUZZ_CHECK(count == 0 || speeds.baseRate > 0);
    for (int i = 0; i < count; ++i) {
        const std::string list = recording::SpeedListText(speeds.rates[i], speeds.baseRate);
        const std::string burn = recording::BurnSpeedText(speeds.rates[i], speeds.baseRate);
        BB_FUZZ_CHECK(!list.empty() && list.find('-') == std::string::npos);
        BB_FUZZ_CHECK(!burn.empty() && burn.find('-') == std::string::npos);
    }
    if (count > 0) {
        const int selected = recording::SpeedIndexToSelect(savedIndex, count);
        BB_FUZZ_CHECK(selected >= 0 && selected < count);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    const uint32_t mediaMask = data[0];
    const int savedIndex = int(int8_t(data[1])) * 2;
    data += 2;
    size -= 2;

    neroapi::DriveInfo drive;
    Fill(drive, data, size);
    (void)recording::IsListedRecorder(drive, mediaMask);
    const std::string name = recording::DeviceName(drive);
    BB_FUZZ_CHECK(name.size() <= sizeof drive.deviceName);
    BB_FUZZ_CHECK(name.find('\0') == std::string::npos);
    CheckSpeedTexts(drive.writeSpeeds, savedIndex);
    CheckSpeedTexts(drive.firstSpeeds, savedIndex);

    neroapi::DriveInfoOld old;
    neroapi::ConvertDriveToOld(drive, old);
    BB_FUZZ_CHECK(old.writeSpeedCount <= neroapi::kMaxOldSpeeds);
    BB_FUZZ_CHECK(old.firstSpeedCount <= neroapi::kMaxOldSpeeds);

    neroapi::DriveInfoOld fuzzedOld;
    Fill(fuzzedOld, data, size);
    neroapi::DriveInfo converted;
    neroapi::ConvertDriveFromOld(fuzzedOld, converted);
    BB_FUZZ_CHECK(converted.writeSpeeds.count <= neroapi::kMaxOldSpeeds);
    BB_FUZZ_CHECK(converted.firstSpeeds.count <= neroapi::kMaxOldSpeeds);
    BB_FUZZ_CHECK(recording::DeviceName(converted).size() < sizeof converted.deviceName);
    CheckSpeedTexts(converted.writeSpeeds, savedIndex);
    return 0;
}

}  // namespace bb::fuzz

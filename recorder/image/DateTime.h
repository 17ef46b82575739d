// Recording times in the three forms the image carries. All are written as
// UTC (offset 0) so the same seconds give the same bytes on every machine.
#pragma once

#include <cstdint>

namespace bb::recorder::image {

struct CivilTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Proleptic Gregorian calendar, no dependence on the C library's time zone
// or on the width of time_t (32 bits under mingw's older runtimes).
CivilTime CivilFromUnix(int64_t seconds);

// ISO 9660 8.4.26.1: "YYYYMMDDHHMMSScc" digits and a signed offset byte (17 bytes).
void PutIsoVolumeDate(uint8_t* p, int64_t seconds);
// ISO 9660 8.4.26.1 for an unused date: sixteen '0' digits and offset 0.
void PutIsoUnsetDate(uint8_t* p);
// ISO 9660 9.1.5: years since 1900, month, day, hour, minute, second, offset (7 bytes).
void PutIsoRecordDate(uint8_t* p, int64_t seconds);
// ECMA-167 1/7.3 timestamp, type 1 (local time) with offset 0 (12 bytes).
void PutUdfTimestamp(uint8_t* p, int64_t seconds);

}  // namespace bb::recorder::image

#include "recorder/image/DateTime.h"

#include <cstdio>

#include "recorder/image/ByteOrder.h"

namespace bb::recorder::image {

CivilTime CivilFromUnix(int64_t seconds) {
    int64_t days = seconds / 86400;
    int64_t rem = seconds % 86400;
    if (rem < 0) {
        rem += 86400;
        --days;
    }
    // Days to civil date over 400-year eras (H. Hinnant's public-domain method).
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    CivilTime t;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = int(rem / 3600);
    t.minute = int(rem % 3600 / 60);
    t.second = int(rem % 60);
    return t;
}

void PutIsoVolumeDate(uint8_t* p, int64_t seconds) {
    CivilTime t = CivilFromUnix(seconds);
    char digits[32];
    // The field holds four year digits: clamp rather than overflow it.
    int year = t.year < 1 ? 1 : (t.year > 9999 ? 9999 : t.year);
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d00", year, t.month, t.day,
                  t.hour, t.minute, t.second);
    std::memcpy(p, digits, 16);
    p[16] = 0;
}

void PutIsoUnsetDate(uint8_t* p) {
    std::memset(p, '0', 16);
    p[16] = 0;
}

void PutIsoRecordDate(uint8_t* p, int64_t seconds) {
    CivilTime t = CivilFromUnix(seconds);
    int since1900 = t.year - 1900;
    p[0] = uint8_t(since1900 < 0 ? 0 : (since1900 > 255 ? 255 : since1900));
    p[1] = uint8_t(t.month);
    p[2] = uint8_t(t.day);
    p[3] = uint8_t(t.hour);
    p[4] = uint8_t(t.minute);
    p[5] = uint8_t(t.second);
    p[6] = 0;
}

void PutUdfTimestamp(uint8_t* p, int64_t seconds) {
    CivilTime t = CivilFromUnix(seconds);
    PutLe16(p, uint16_t(1u << 12));  // type 1, time zone offset 0 minutes
    PutLe16(p + 2, uint16_t(int16_t(t.year)));
    p[4] = uint8_t(t.month);
    p[5] = uint8_t(t.day);
    p[6] = uint8_t(t.hour);
    p[7] = uint8_t(t.minute);
    p[8] = uint8_t(t.second);
    p[9] = p[10] = p[11] = 0;  // centiseconds, hundreds of microseconds, microseconds
}

}  // namespace bb::recorder::image

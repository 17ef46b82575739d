#include "settings/CtimeText.h"

#include <cstdio>
#include <mutex>

namespace bb::settings {

std::string CtimeText(const std::tm& time) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = time.tm_wday >= 0 && time.tm_wday < 7 ? kDays[time.tm_wday] : "???";
    const char* month = time.tm_mon >= 0 && time.tm_mon < 12 ? kMonths[time.tm_mon] : "???";
    char text[64];
    std::snprintf(text, sizeof text, "%s %s%3d %.2d:%.2d:%.2d %d\n", day, month, time.tm_mday,
                  time.tm_hour, time.tm_min, time.tm_sec, time.tm_year + 1900);
    return text;
}

std::string CtimeText(std::time_t when) {
    // localtime() shares one buffer per process on some runtimes.
    static std::mutex guard;
    std::tm local{};
    {
        std::lock_guard<std::mutex> lock(guard);
        if (const std::tm* t = std::localtime(&when))
            local = *t;
    }
    return CtimeText(local);
}

}  // namespace bb::settings

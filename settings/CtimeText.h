// The local time as the C runtime's ctime() writes it.
#pragma once

#include <ctime>
#include <string>

namespace bb::settings {

// "Sun Dec  6 20:29:54 2026\n": weekday, month, day of month padded to two
// places with a blank, time and four-digit year, then a line feed.
std::string CtimeText(const std::tm& time);
// CtimeText of `when` in local time (thread-safe, unlike ctime()).
std::string CtimeText(std::time_t when);

}  // namespace bb::settings

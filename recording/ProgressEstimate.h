// What the progress handler shows for each percentage the library reports.
//
// The rate is measured from the first non-zero report onward, so time spent
// before it (lead-in, preparation) does not distort the estimate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bb::recording {

// The main window's progress bookkeeping; all 0 before the first job.
struct ProgressBookkeeping {
    int64_t m_tStart = 0;        // seconds, from time()
    int32_t m_nTotalSecs = 0;
    int32_t m_nStartPercent = 0;
    int32_t m_nLastPercent = 0;
};

struct ProgressDisplay {
    std::optional<std::string> percent;    // percent label, when it changes
    std::optional<std::string> remaining;  // time remaining label
    std::optional<std::string> total;      // time total label
    std::optional<std::string> title;      // window title
    uint32_t barPosition = 0;              // always set
};

// Applies one report of `percent` at time `now` (seconds).
ProgressDisplay OnProgressReport(ProgressBookkeeping& book, uint32_t percent, int64_t now);

// "Brenvik Burn 1.2.1" and the job title "<percent> Brenvik Burn 1.2.1".
std::string IdleTitle();
std::string JobTitle(const std::string& percentText);

// "mm:ss" with at least two digits each ("%.2d:%.2d"); a negative time
// shows as 0.
std::string FormatMinutesSeconds2(int32_t seconds);
// "m:ss" ("%d:%2.2d"), as the erase countdown shows it; never negative.
std::string FormatMinutesSeconds(int32_t seconds);

}  // namespace bb::recording

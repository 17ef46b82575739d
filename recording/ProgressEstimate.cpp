#include "recording/ProgressEstimate.h"

#include <cstdio>

#include "res/ProgramIdentity.h"

namespace bb::recording {

namespace {

std::string PercentText(uint32_t percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%d %%", static_cast<int>(percent));
    return text;
}

int32_t NotNegative(int32_t seconds) {
    return seconds < 0 ? 0 : seconds;
}
}  // namespace

std::string IdleTitle() {
    return std::string(res::kProgramName) + " " + res::kProgramVersion;
}

std::string JobTitle(const std::string& percentText) {
    return percentText + " " + res::kProgramName + " " + res::kProgramVersion;
}

std::string FormatMinutesSeconds2(int32_t seconds) {
    seconds = NotNegative(seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%.2d:%.2d", static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60));
    return text;
}

std::string FormatMinutesSeconds(int32_t seconds) {
    seconds = NotNegative(seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%d:%2.2d", static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60));
    return text;
}

ProgressDisplay OnProgressReport(ProgressBookkeeping& book, uint32_t percent, int64_t now) {
    ProgressDisplay show;
    const int32_t p = static_cast<int32_t>(percent);
    if (p == 0) {
        // A job or a phase starts.
        book.m_nLastPercent = book.m_nStartPercent = 0;
        book.m_tStart = 0;
        show.remaining = "?:??";
        show.total = "?:??";
        show.percent = "0 %";
        show.title = JobTitle("0 %");
    } else if (book.m_nLastPercent == 0 || now < book.m_tStart || p < book.m_nStartPercent) {
        // The first non-zero report, or one that the measured rate cannot
        // take (the clock went back, the percentage fell): measure afresh.
        book.m_nLastPercent = book.m_nStartPercent = p;
        book.m_tStart = now;
        show.percent = PercentText(percent);
        show.title = JobTitle(*show.percent);
    } else if (p != book.m_nStartPercent && p != book.m_nLastPercent) {
        book.m_nLastPercent = p;
        const int32_t elapsed = static_cast<int32_t>(now - book.m_tStart);
        const int32_t done = p - book.m_nStartPercent;  // never 0 here
        book.m_nTotalSecs = elapsed * 100 / done;
        const int32_t remaining = (100 - p) * elapsed / done;
        show.remaining = FormatMinutesSeconds2(remaining);
        show.total = FormatMinutesSeconds2(book.m_nTotalSecs);
        show.percent = PercentText(percent);
        show.title = JobTitle(*show.percent);
    }
    show.barPosition = percent;
    return show;
}

}  // namespace bb::recording

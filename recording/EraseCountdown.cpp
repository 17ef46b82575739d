#include "recording/EraseCountdown.h"

#include <cstdio>

#include "recording/ProgressEstimate.h"

namespace bb::recording {

namespace {
std::string PercentOneDecimal(double percent) {
    char text[40];
    std::snprintf(text, sizeof text, "%.1f %%", percent);
    return text;
}
}  // namespace

EraseCountdownEnd RunEraseCountdown(int32_t estimateSecs, EraseProgressView& view,
                                    const std::function<bool(int ms)>& wait) {
    const int32_t s = estimateSecs;
    if (s > 0) {
        const double step = 100.0 / s;
        view.SetTimeTotal(FormatMinutesSeconds(s));
        view.SetProgressRange(0, s);
        for (int32_t i = 0; i <= s; ++i) {
            view.SetTimeRemaining(FormatMinutesSeconds(s - i));
            view.SetPercent(PercentOneDecimal(i * step));
            view.SetProgressPos(i);
            if (wait(1000))
                return EraseCountdownEnd::DoneInTime;
        }
    }
    view.SetProgressRange(0, 100);
    view.SetPercent("");

    // Unknown time: the erase takes longer than the library said.
    if (wait(1000))
        return EraseCountdownEnd::DoneAfterEstimate;
    for (int n = 0; n < kEraseOverrunWaits; ++n) {
        view.SetTimeRemaining("?:??");
        view.SetTimeTotal("?:??");
        view.SetProgressPos(10 * (n % 11));
        if (wait(1000))
            return EraseCountdownEnd::DoneAfterEstimate;
    }
    return EraseCountdownEnd::NeverEnded;
}

}  // namespace bb::recording

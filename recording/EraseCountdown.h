// The erase progress display: counts the library's erase estimate down in
// the progress controls, then shows an unknown-time phase until the erase
// ends. Runs on a thread of its own beside the erase worker; the only link
// between the two is the job-finished event, reached here through `wait`.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace bb::recording {

class EraseProgressView {
public:
    virtual ~EraseProgressView() = default;
    virtual void SetTimeTotal(const std::string& text) = 0;
    virtual void SetTimeRemaining(const std::string& text) = 0;
    virtual void SetPercent(const std::string& text) = 0;
    virtual void SetProgressRange(int32_t low, int32_t high) = 0;
    virtual void SetProgressPos(int32_t pos) = 0;
};

enum class EraseCountdownEnd {
    DoneInTime,       // the erase ended while the estimate was counted down
    DoneAfterEstimate,  // it ended in the unknown-time phase
    NeverEnded,       // the unknown-time phase ran out without the erase ending
};

// Extra one-second waits after the estimate has run out.
constexpr int kEraseOverrunWaits = 601;

// `wait(ms)` waits up to ms milliseconds for the job-finished event and says
// whether it was set. An estimate of 0 or less has nothing to count down and
// goes straight to the unknown-time phase.
EraseCountdownEnd RunEraseCountdown(int32_t estimateSecs, EraseProgressView& view,
                                    const std::function<bool(int ms)>& wait);

}  // namespace bb::recording

// The burn job: the checks before it (DVD root, label, recorder, disc), the
// ISO track burned with the window's choices, the report of its result, the
// offer to burn again without reallocation, and the hand-off of a disc that
// must be erased first.
#pragma once

#include <string>

#include "recording/JobHost.h"
#include "recording/RecorderSession.h"

namespace bb::recording {

// What the look at the disc before a burn decided.
enum class DiscVerdict {
    BurnNow,
    EraseFirst,  // a rewritable disc holding data; the user agreed to erase it
    Stop,        // the user kept the disc
};

class BurnJob {
public:
    // `offerReallocRetry`: this job offers a burn without reallocation after
    // the library gave up on it; only then does the report of that failure
    // leave it to the question.
    explicit BurnJob(RecorderSession& session, bool offerReallocRetry = false)
        : m_session(session), m_offerReallocRetry(offerReallocRetry) {}

    struct Outcome {
        int result = 0;
        bool handedToErase = false;  // nothing burned yet: the disc goes to the erase first
    };

    // The preparation and the burn. `afterErase`: the disc was just erased for
    // this burn; it is not looked at (nor asked about) again.
    [[nodiscard]] Outcome PrepareAndBurn(JobInputs& inputs, bool afterErase = false);

    // PrepareAndBurn, and after a reallocation failure the offer (a box of
    // `boxType`) to burn again without reallocation.
    [[nodiscard]] Outcome BurnOfferingRetry(JobInputs& inputs, unsigned boxType, bool afterErase = false);

    // After a burn the library gave up because reallocation failed: asks
    // with `boxType` whether to burn again without reallocation. True when
    // the answer is Yes (reallocation is then off in `inputs` and the window).
    [[nodiscard]] bool AskBurnWithoutReallocation(JobInputs& inputs, unsigned boxType, const Outcome& outcome);

    // The disc in `device`, asked about (text 642) unless the settings say
    // not to. `logMissingInfo`: a disc the library tells nothing about is
    // logged (the look before the burn itself does that).
    [[nodiscard]] DiscVerdict LookAtDisc(neroapi::DeviceHandle device, const JobInputs& inputs,
                                         bool logMissingInfo = true);

    // Whether the burn's result is followed by the shutdown sequence.
    [[nodiscard]] static bool ShutsDownAfter(int result, const JobInputs& inputs);

private:
    [[nodiscard]] int Burn(neroapi::DeviceHandle device, const JobInputs& inputs);
    void Report(int result, const JobInputs& inputs);

    RecorderSession& m_session;
    const bool m_offerReallocRetry;
};

// The library's error log as one log entry (without its last line break);
// empty when it holds nothing.
[[nodiscard]] std::string LibraryErrors();

// The recorder open for one job; closed when it goes.
class OpenRecorder {
public:
    explicit OpenRecorder(const neroapi::DriveInfo* drive);
    ~OpenRecorder();
    OpenRecorder(const OpenRecorder&) = delete;
    OpenRecorder& operator=(const OpenRecorder&) = delete;
    [[nodiscard]] neroapi::DeviceHandle get() const { return m_device; }
    explicit operator bool() const { return m_device != nullptr; }

private:
    neroapi::DeviceHandle m_device = nullptr;
};

}  // namespace bb::recording

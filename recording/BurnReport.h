// How the end of a burn is reported: log line, message box and status line
// for each job result.
#pragma once

#include <cstdint>

namespace bb::recording {


struct BurnReport {
    int logTextId = 0;      // 0: nothing logged
    bool logWithResult = false;  // the log/box text is formatted with the result
    int boxTextId = 0;      // 0: no box
    const char* boxCaption = "";
    uint32_t boxType = 0;
    int statusTextId = 0;   // 0: status line unchanged
    bool logTotalTime = false;   // success: the time line follows
};

struct BurnReportContext {
    bool shutdownAfter = false;  // "Shutdown Windows after burning" is ticked
    bool forceShutdown = false;  // MoreFlags 0x1
    bool reallocFailed = false;  // the library reported the reallocation failure
};

// The report for a NeroBurn result (0 and the library's positive codes).
// Result 3 after a reallocation failure reports nothing: the caller asks
// whether to burn again without reallocation.
BurnReport ReportForResult(int result, const BurnReportContext& context);

}  // namespace bb::recording

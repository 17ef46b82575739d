#include "recording/BurnReport.h"

#include "res/BoxStyles.h"
#include "res/TextIds.h"

namespace recording {

namespace {

struct ErrorRow {
    int result;
    int textId;
    int statusId;
};
constexpr ErrorRow kErrorRows[] = {
    {1, kTxtBurnResult1, kTxtStatusBurnFailed}, {2, kTxtBurnResult2, kTxtStatusBurnFailed},
    {3, kTxtBurnResult3, kTxtStatusBurnFailed}, {4, kTxtBurnResult4, kTxtStatusBurnFailed},
    {5, kTxtBurnResult5, kTxtStatusBurnFailed}, {6, kTxtBurnAborted, kTxtBurnAborted},
};
}  // namespace

BurnReport ReportForResult(int result, const BurnReportContext& context) {
    BurnReport report;
    if (result == 0) {
        report.logTextId = kTxtBurnOk;
        if (!context.shutdownAfter) {
            report.boxTextId = kTxtBurnOk;
            report.boxCaption = "Info";
            report.boxType = bbres::kBoxInformation;
        }
        report.statusTextId = kTxtStatusReady;
        report.logTotalTime = true;
        return report;
    }
    if (result == 3 && context.reallocFailed)
        return report;

    report.logTextId = kTxtBurnResultOther;
    report.logWithResult = true;
    report.statusTextId = kTxtStatusBurnFailed;
    for (const ErrorRow& row : kErrorRows) {
        if (row.result == result) {
            report.logTextId = row.textId;
            report.logWithResult = false;
            report.statusTextId = row.statusId;
        }
    }
    // An unattended forced shutdown must not wait for a click.
    if (!(context.shutdownAfter && context.forceShutdown)) {
        report.boxTextId = report.logTextId;
        report.boxCaption = "Error";
        report.boxType = bbres::kBoxError;
    }
    return report;
}

}  // namespace recording

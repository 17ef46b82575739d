#include "recording/BurnReport.h"

#include "res/BoxStyles.h"
#include "res/TextIds.h"

namespace bb::recording {

namespace {

struct ErrorRow {
    int result;
    int textId;
    int statusId;
};
constexpr ErrorRow kErrorRows[] = {
    {1, res::kTxtBurnResult1, res::kTxtStatusBurnFailed}, {2, res::kTxtBurnResult2, res::kTxtStatusBurnFailed},
    {3, res::kTxtBurnResult3, res::kTxtStatusBurnFailed}, {4, res::kTxtBurnResult4, res::kTxtStatusBurnFailed},
    {5, res::kTxtBurnResult5, res::kTxtStatusBurnFailed}, {6, res::kTxtBurnAborted, res::kTxtBurnAborted},
};
}  // namespace

BurnReport ReportForResult(int result, const BurnReportContext& context) {
    BurnReport report;
    if (result == 0) {
        report.logTextId = res::kTxtBurnOk;
        if (!context.shutdownAfter) {
            report.boxTextId = res::kTxtBurnOk;
            report.boxCaption = "Info";
            report.boxType = res::kBoxInformation;
        }
        report.statusTextId = res::kTxtStatusReady;
        report.logTotalTime = true;
        return report;
    }
    if (result == 3 && context.reallocFailed)
        return report;

    report.logTextId = res::kTxtBurnResultOther;
    report.logWithResult = true;
    report.statusTextId = res::kTxtStatusBurnFailed;
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
        report.boxType = res::kBoxError;
    }
    return report;
}

}  // namespace bb::recording

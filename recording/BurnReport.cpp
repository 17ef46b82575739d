#include "recording/BurnReport.h"

namespace recording {

namespace {
constexpr int kTxtBurnOk = 784;
constexpr int kTxtBurnOkStatus = 766;
constexpr int kTxtBurnFailedStatus = 786;
constexpr int kTxtOtherResult = 792;

struct ErrorRow {
    int result;
    int textId;
    int statusId;
};
constexpr ErrorRow kErrorRows[] = {
    {1, 785, kTxtBurnFailedStatus}, {2, 787, kTxtBurnFailedStatus},
    {3, 788, kTxtBurnFailedStatus}, {4, 789, kTxtBurnFailedStatus},
    {5, 790, kTxtBurnFailedStatus}, {6, 791, 791},
};
}  // namespace

BurnReport ReportForResult(int result, const BurnReportContext& context) {
    BurnReport report;
    if (result == 0) {
        report.logTextId = kTxtBurnOk;
        if (!context.shutdownAfter) {
            report.boxTextId = kTxtBurnOk;
            report.boxCaption = "Info";
            report.boxType = kBoxInformation;
        }
        report.statusTextId = kTxtBurnOkStatus;
        report.logTotalTime = true;
        return report;
    }
    if (result == 3 && context.reallocFailed)
        return report;

    report.logTextId = kTxtOtherResult;
    report.logWithResult = true;
    report.statusTextId = kTxtBurnFailedStatus;
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
        report.boxType = kBoxError;
    }
    return report;
}

}  // namespace recording

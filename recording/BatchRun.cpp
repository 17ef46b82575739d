#include "recording/BatchRun.h"

#include "res/TextIds.h"

namespace bb::recording {

BatchDecision DecideBatch(const BatchParse& parse) {
    BatchDecision decision;
    bool labelGiven = parse.labelGiven;
    if (!labelGiven && !parse.error && parse.folderGiven) {
        decision.deriveLabel = true;
        labelGiven = true;
    }
    decision.enableBurn = parse.prepareOnly && !parse.error && parse.folderGiven;
    if (labelGiven && parse.folderGiven) {
        if (parse.error)
            decision.action = BatchAction::ErrorBox;
        else if (!parse.prepareOnly)
            decision.action = BatchAction::Run;
    } else if (parse.error) {
        decision.action = BatchAction::ErrorBox;
    }
    return decision;
}

AfterBatchBurn DecideAfterBatchBurn(int burnResult, const BatchParse& parse) {
    if (burnResult != 0)
        return AfterBatchBurn::StayOpen;
    if (parse.shutdown)
        return AfterBatchBurn::Shutdown;
    return parse.logToDesktop ? AfterBatchBurn::WriteLogAndClose : AfterBatchBurn::Close;
}

int EraseEstimateRefusalTextId(int estimate) {
    switch (estimate) {
        case -1: return res::kTxtEraseNoDisc;
        case -2: return res::kTxtEraseNotSupported;
        case -3: return res::kTxtEraseNotRewritable;
        default: return 0;
    }
}

}  // namespace bb::recording

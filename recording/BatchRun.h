// What the command-line worker does once the words are read, and what the
// batch run does after its burn. Pure decisions; the main window acts on them.
#pragma once

namespace bb::recording {

// What reading the words found.
struct BatchParse {
    bool error = false;        // some word was refused (texts 598, 600, 602)
    bool folderGiven = false;  // /D with a folder
    bool labelGiven = false;   // /V with a label
    bool prepareOnly = false;  // /C
    bool logToDesktop = false; // /L
    bool shutdown = false;     // /S
};

enum class BatchAction {
    Nothing,   // no folder, or prepare-only: the user starts the burn
    ErrorBox,  // "CL parsing error!"; nothing runs
    Run,       // the unattended burn
};

struct BatchDecision {
    bool deriveLabel = false;  // the label comes from the folder's name
    bool enableBurn = false;   // prepare-only: Burn is enabled for the user
    BatchAction action = BatchAction::Nothing;
};

[[nodiscard]] BatchDecision DecideBatch(const BatchParse& parse);

enum class AfterBatchBurn {
    StayOpen,          // the burn failed: the window stays, nothing else happens
    Close,             // success: close the program
    WriteLogAndClose,  // success with /L: desktop log (kind 2), then close
    Shutdown,          // success with /S: the shutdown sequence (it writes its own log)
};

[[nodiscard]] AfterBatchBurn DecideAfterBatchBurn(int burnResult, const BatchParse& parse);

// The erase estimate's refusals: the language text that reports them, or 0
// when the estimate lets the erase go ahead.
[[nodiscard]] int EraseEstimateRefusalTextId(int estimate);

}  // namespace bb::recording

// What a job needs from the window that started it, and the values it runs
// with.
//
// Threads: a burn started by the Burn button runs on the window's thread; an
// erase, the burn after an automatic erase and the command-line run run on
// workers. Every call below may come from any of them. The window applies
// what it is told on its own thread, in call order; a worker never touches
// the window's state itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "neroapi/NeroRecords.h"
#include "recording/EraseCountdown.h"
#include "recording/ProgressEstimate.h"

namespace bb::recording {

// The window's values a job runs with, copied on the window's thread when
// the job starts; the job keeps its own copy up to date and shows changes
// through JobHost::ShowInputs.
struct JobInputs {
    std::string sourceDir;
    std::string volume;
    bool reallocate = true;
    bool verify = false;
    bool shutdown = false;
    bool cd = false;              // media class CD, else DVD
    int eraseMode = 1;            // 0 full, 1 quick
    int speedIndex = -1;          // selected line of the speed list
    std::string recorderName;     // selected line of the recorder list
    // The selected recorder's record in the drive list of the recorder
    // context; the list stays while a job runs (the commands that rebuild it
    // are disabled).
    const neroapi::DriveInfo* drive = nullptr;
    uint32_t fsFlags = 0;         // Filesystem Flags
    uint32_t burnFlags = 0;       // Other Settings
    uint32_t moreFlags = 0;       // Other Settings
};

// The window's commands while a job runs.
enum class JobCommands {
    Busy,           // everything that could start or change a job is off
    BusyAbortable,  // the same, with Abort on
    Idle,           // back to normal, with the idle progress display
};

// What the window does once a job has ended.
enum class AfterJob {
    Nothing,
    Shutdown,          // the shutdown sequence (it writes its own log and closes)
    WriteLogAndClose,  // desktop log of the command-line run, then close
    Close,
};

class JobHost : public EraseProgressView {
public:
    // --- shown, in call order ------------------------------------------------
    virtual void LogLine(const std::string& line) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void ShowProgress(const ProgressDisplay& shown) = 0;
    virtual void SetCommands(JobCommands state) = 0;
    // The job's current values (label, folder, check boxes, erase mode).
    virtual void ShowInputs(const JobInputs& inputs) = 0;
    // The size gate over the folder just shown.
    virtual void CheckSourceSize() = 0;
    virtual void ShowLabelLength(const std::string& text) = 0;
    // The settings holder's burn flags, changed by the command line.
    virtual void SetBurnFlags(uint32_t burnFlags) = 0;
    // "Shutdown after burning" ticked by the command line: the window shows
    // the box ticked and logs where the desktop log goes.
    virtual void ShutdownChosen() = 0;
    virtual void Minimise() = 0;
    // The window shown again after Minimise.
    virtual void Restore() = 0;
    virtual void EnableBurn() = 0;
    virtual void PlayJobSound(int result) = 0;
    virtual void JobEnded(AfterJob after) = 0;

    // --- answered --------------------------------------------------------------
    // A message box of the window (restored first when minimised): the
    // button pressed, or the box's default when the window has gone.
    virtual int Ask(const std::string& text, const std::string& caption, unsigned type) = 0;
    // The save dialog of the image file; nothing when cancelled.
    virtual std::optional<std::string> AskImageFileName(const std::string& suggested) = 0;
    // Handles the calling thread's pending window messages (a blocking
    // library call on the window's thread keeps the window alive through
    // this) while `keepGoing` says so.
    virtual void PumpPendingMessages(bool (*keepGoing)(void*), void* context) = 0;
    // Whether the window is closing: a job still waiting to start gives up.
    [[nodiscard]] virtual bool WaitForClosing(uint32_t milliseconds) = 0;
};

}  // namespace bb::recording

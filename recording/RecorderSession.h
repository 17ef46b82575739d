// The recorder context of a window: the recording library loaded and
// initialised with this session's callbacks, the drive list of the chosen
// media class, and what the jobs share while one runs (the abort request, the
// progress bookkeeping, the library's report of a failed reallocation, the
// compilation tree). The library's callbacks land here and reach the window
// through the JobHost.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "compilation/IsoTree.h"
#include "neroapi/NeroRecords.h"
#include "recording/JobHost.h"
#include "recording/ProgressEstimate.h"

namespace bb::settings { class LanguageTable; }

namespace bb::recording {

class RecorderSession {
public:
    RecorderSession(JobHost& host, const settings::LanguageTable& texts);
    ~RecorderSession();
    RecorderSession(const RecorderSession&) = delete;
    RecorderSession& operator=(const RecorderSession&) = delete;

    // Loads and initialises the library and lists the recorders of
    // `mediaMask`, logging each step. False when the library could not be
    // loaded (after its log line and box): the window cannot work then.
    [[nodiscard]] bool Start(uint32_t mediaMask);
    // Gives the drive list, the library's state and the library itself back.
    void Stop();
    [[nodiscard]] bool Started() const { return m_driveList != nullptr; }
    // The recorders offered, in the order of the library's list.
    [[nodiscard]] const std::vector<const neroapi::DriveInfo*>& Recorders() const { return m_recorders; }

    [[nodiscard]] JobHost& Host() const { return m_host; }
    [[nodiscard]] std::string Text(int id) const;
    [[nodiscard]] const settings::LanguageTable& Texts() const { return m_texts; }

    // --- job state (the job's thread) ----------------------------------------
    // Abort is asked for on the window's thread and read by the library's
    // abort query on the job's.
    void RequestAbort() { m_abort = 1; }
    void ClearAbort() { m_abort = 0; }
    [[nodiscard]] bool AbortRequested() const { return m_abort.load() != 0; }
    [[nodiscard]] neroapi::LibProgressRecord* ProgressRecord() { return &m_libProgress; }
    [[nodiscard]] const neroapi::LibSettingsRecord& SettingsRecord() const { return m_libSettings; }
    [[nodiscard]] int32_t TotalSeconds() const { return m_progress.m_nTotalSecs; }
    void ClearReallocFailed() { m_reallocFailed = false; }
    [[nodiscard]] bool ReallocFailed() const { return m_reallocFailed; }
    // A job starts: its times are measured afresh.
    void ResetProgress() { m_progress = ProgressBookkeeping{}; }
    [[nodiscard]] compilation::IsoTree& Tree() { return m_tree; }
    // The label of the job that runs: the image file is named after it.
    void SetImageLabel(const std::string& label) { m_imageLabel = label; }

    // --- the library's callbacks ------------------------------------------------
    int IdlePoll();
    int OnProgress(uint32_t percent);
    void OnLogLine(const char* text);
    void OnPhase(const char* text);
    int AnswerRequest(int request, void* data);

private:
    JobHost& m_host;
    const settings::LanguageTable& m_texts;

    neroapi::LibSettingsRecord m_libSettings{};
    neroapi::LibProgressRecord m_libProgress{};
    char m_languageText[128] = {};
    char m_software[128] = {};
    char m_vendor[128] = {};
    char m_libFilesFolder[128] = {};
    neroapi::DriveInfoList* m_driveList = nullptr;
    bool m_libraryInitialised = false;
    std::vector<const neroapi::DriveInfo*> m_recorders;

    std::atomic<uint8_t> m_abort{0};
    // The job's thread only; one job runs at a time, and the next starts
    // after the window has seen the last one end.
    ProgressBookkeeping m_progress{};
    std::atomic<bool> m_reallocFailed{false};
    compilation::IsoTree m_tree;
    std::string m_imageLabel;
};

}  // namespace bb::recording

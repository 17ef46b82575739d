// The open/save file dialog and the folder browser, for one use each.
//
// Runs the system pickers service (platform/FilePickerService.h), owned by
// the owner dialog's window when there is one; hosts without dialogs (tests,
// the console front end) install scripted answers there.
#pragma once

#include <cstdint>
#include <string>

#include "framework/CString.h"
#include "platform/FilePickerService.h"

namespace bb::framework { class CDialog; }

namespace bb::controls {

class CFilePicker {
public:
    // A file dialog: open (1) or save (0). `defaultExtension` and
    // `initialName` may be null; `filter` is a list of description and
    // pattern strings, each zero-terminated, ended by an empty string.
    CFilePicker(int bOpen, const char* defaultExtension, const char* initialName, uint32_t flags,
                const char* filter, framework::CDialog* owner);
    // A folder browser.
    CFilePicker();
    CFilePicker(const CFilePicker&) = delete;
    CFilePicker& operator=(const CFilePicker&) = delete;

    static constexpr int kChosen = 1;
    static constexpr int kNotChosen = 2;
    static constexpr int kBufferSize = 260;
    static constexpr uint32_t kRecordSize = 88;
    static constexpr uint32_t kExplorerFlag = 0x80000;  // OFN_EXPLORER

    // 1 when the user confirmed a file, 2 on cancel or failure.
    int PickFile();
    framework::CString GetFilePath() const { return framework::CString(m_szFile); }

    // 1 when a file-system folder was chosen, 2 otherwise. `initialFolder`
    // may be null.
    int PickFolder(const char* title, const char* initialFolder, uint32_t flags, framework::CDialog* owner);
    framework::CString GetFolderPath() const { return framework::CString(m_szFolder); }

private:
    platform::FileDialogRecord m_ofn;
    int m_bOpen = 1;
    char m_szFile[kBufferSize] = {};
    char m_szFileTitle[kBufferSize] = {};
    char m_szFolder[kBufferSize] = {};

    std::string m_filter;            // the caller's list, kept for the record
    std::string m_defaultExtension;
    bool m_hasDefaultExtension = false;
};

}  // namespace bb::controls

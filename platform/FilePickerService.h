// The system's file dialog and folder browser.
#pragma once

#include <cstdint>
#include <string>

namespace bb::platform {

// The fields of the system's open-file-name record that the program fills;
// the Windows service copies them into an OPENFILENAMEA. Buffers belong to
// the caller.
struct FileDialogRecord {
    uint32_t structSize = 0;   // lStructSize: 88, the record with the Windows 2000 tail
    void* owner = nullptr;     // HWND, or null
    const char* filter = nullptr;  // pairs of zero-terminated strings, ended by an empty one
    uint32_t filterIndex = 0;  // 1 = first filter
    char* file = nullptr;      // initial name in, chosen full path out
    uint32_t fileCapacity = 0;
    char* fileTitle = nullptr;  // chosen name without folder
    uint32_t fileTitleCapacity = 0;
    uint32_t flags = 0;         // OFN_* flags
    const char* defaultExtension = nullptr;
};

struct FolderBrowseRequest {
    void* owner = nullptr;               // HWND, or null
    const char* title = nullptr;
    const char* initialFolder = nullptr;  // selected when the browser opens; may be null
    uint32_t flags = 0;                   // BIF_* flags
    char* displayName = nullptr;          // MAX_PATH (260) bytes: display name, then the path
};

class FilePickerService {
public:
    virtual ~FilePickerService() = default;
    // Runs the open (`open`) or save dialog on `record`; true when the user
    // confirmed a name, which is then in record.file (and record.fileTitle).
    [[nodiscard]] virtual bool RunFileDialog(bool open, FileDialogRecord& record) = 0;
    // Runs the folder browser; true when a folder with a file-system path
    // was chosen, its path then in request.displayName.
    [[nodiscard]] virtual bool BrowseForFolder(const FolderBrowseRequest& request) = 0;
};

// Windows: the common dialogs and the shell's folder browser. Elsewhere a
// ScriptedFilePickers whose queue starts empty (every pick is cancelled);
// the console front end and tests install their own with
// SetSystemFilePickers.
FilePickerService& SystemFilePickers();
// Replaces the service for the whole process (null restores the native one).
void SetSystemFilePickers(FilePickerService* replacement);

}  // namespace bb::platform

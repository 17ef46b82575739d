#include "platform/FilePickerService.h"

#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <shlobj.h>

#include "platform/NativeServices.h"

namespace platform {
namespace {

// The 88-byte record is the full one of Windows 2000 and later (the
// OPENFILENAME_SIZE_VERSION_400A form is 76 bytes).
static_assert(sizeof(OPENFILENAMEA) == 88, "OPENFILENAMEA with the Windows 2000 tail");

int CALLBACK SelectInitialFolder(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

class Win32FilePickers final : public FilePickerService {
public:
    bool RunFileDialog(bool open, FileDialogRecord& record) override {
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = record.structSize;
        ofn.hwndOwner = static_cast<HWND>(record.owner);
        ofn.lpstrFilter = record.filter;
        ofn.nFilterIndex = record.filterIndex;
        ofn.lpstrFile = record.file;
        ofn.nMaxFile = record.fileCapacity;
        ofn.lpstrFileTitle = record.fileTitle;
        ofn.nMaxFileTitle = record.fileTitleCapacity;
        ofn.Flags = record.flags;
        ofn.lpstrDefExt = record.defaultExtension;
        return (open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn)) != 0;
    }

    bool BrowseForFolder(const FolderBrowseRequest& request) override {
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)) || !allocator)
            return false;
        // The new-style browser (BIF_NEWDIALOGSTYLE) is an OLE control and
        // shows nothing on a thread where OLE is not initialised.
        bool ole = SUCCEEDED(OleInitialize(nullptr));

        BROWSEINFOA info = {};
        info.hwndOwner = static_cast<HWND>(request.owner);
        info.pidlRoot = nullptr;
        info.pszDisplayName = request.displayName;
        info.lpszTitle = request.title;
        info.ulFlags = request.flags;
        info.lpfn = SelectInitialFolder;
        info.lParam = reinterpret_cast<LPARAM>(request.initialFolder);

        bool chosen = false;
        if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
            chosen = SHGetPathFromIDListA(item, request.displayName) != 0;
            allocator->Free(item);
        }
        if (ole)
            OleUninitialize();
        allocator->Release();
        return chosen;
    }
};

}  // namespace

FilePickerService& NativeFilePickers() {
    static Win32FilePickers pickers;
    return pickers;
}

}  // namespace platform

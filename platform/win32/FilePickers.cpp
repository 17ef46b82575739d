#include "platform/FilePickerService.h"

#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstddef>
#include <cstdint>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

// The program asks for the record by its 32-bit size: 88 bytes for the full
// record of Windows 2000 and later, 76 for the OPENFILENAME_SIZE_VERSION_400A
// form. A 64-bit build has wider pointers, so those sizes name the same two
// forms at their 64-bit sizes; anything else goes through as given and the
// system refuses it as it would on 32-bit.
constexpr uint32_t kFullRecord32 = 88;
constexpr uint32_t kVersion400Record32 = 76;
// OPENFILENAME_SIZE_VERSION_400A, as a constant expression.
constexpr DWORD kVersion400Record = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(sizeof(OPENFILENAMEA) == kFullRecord32, "OPENFILENAMEA with the Windows 2000 tail");
static_assert(kVersion400Record == kVersion400Record32, "OPENFILENAMEA without the tail");
#endif

DWORD NativeRecordSize(uint32_t size32) {
    if (size32 == kFullRecord32)
        return sizeof(OPENFILENAMEA);
    if (size32 == kVersion400Record32)
        return kVersion400Record;
    return size32;
}

int CALLBACK SelectInitialFolder(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

class Win32FilePickers final : public FilePickerService {
public:
    bool RunFileDialog(bool open, FileDialogRecord& record) override {
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = NativeRecordSize(record.structSize);
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

}  // namespace bb::platform

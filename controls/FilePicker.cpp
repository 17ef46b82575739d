#include "controls/FilePicker.h"

#include <cstring>

#include "framework/CDialog.h"

namespace bb::controls {

namespace {

// The filter list up to and including its closing empty string.
std::string CopyFilter(const char* filter) {
    std::string list;
    if (!filter)
        return list;
    for (const char* p = filter; *p; p += std::strlen(p) + 1)
        list.append(p, std::strlen(p) + 1);
    list += '\0';
    return list;
}

void* OwnerWindow(framework::CDialog* owner) {
    framework::DialogHost* host = owner ? owner->Host() : nullptr;
    return host ? host->NativeHandle() : nullptr;
}

}  // namespace

CFilePicker::CFilePicker(int bOpen, const char* defaultExtension, const char* initialName,
                         uint32_t flags, const char* filter, framework::CDialog* owner)
    : m_bOpen(bOpen), m_filter(CopyFilter(filter)) {
    if (initialName) {
        // At most the buffer less its terminator: a longer name is cut.
        std::strncpy(m_szFile, initialName, kBufferSize - 1);
    }
    if (defaultExtension) {
        m_defaultExtension = defaultExtension;
        m_hasDefaultExtension = true;
    }
    m_ofn.structSize = kRecordSize;
    m_ofn.owner = OwnerWindow(owner);
    m_ofn.filter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.filterIndex = 1;
    m_ofn.file = m_szFile;
    m_ofn.fileCapacity = kBufferSize;
    m_ofn.fileTitle = m_szFileTitle;
    m_ofn.fileTitleCapacity = kBufferSize;
    m_ofn.flags = flags | kExplorerFlag;
    m_ofn.defaultExtension = m_hasDefaultExtension ? m_defaultExtension.c_str() : nullptr;
}

CFilePicker::CFilePicker() = default;

int CFilePicker::PickFile() {
    m_ofn.structSize = kRecordSize;
    return platform::SystemFilePickers().RunFileDialog(m_bOpen != 0, m_ofn) ? kChosen : kNotChosen;
}

int CFilePicker::PickFolder(const char* title, const char* initialFolder, uint32_t flags, framework::CDialog* owner) {
    platform::FolderBrowseRequest request;
    request.owner = OwnerWindow(owner);
    request.title = title;
    request.initialFolder = initialFolder;
    request.flags = flags;
    request.displayName = m_szFolder;
    return platform::SystemFilePickers().BrowseForFolder(request) ? kChosen : kNotChosen;
}

}  // namespace bb::controls

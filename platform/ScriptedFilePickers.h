// File and folder pickers that answer from a queue instead of asking a user:
// for tests, the console front end, and any host without dialogs.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/FilePickerService.h"

namespace bb::platform {

class ScriptedFilePickers final : public FilePickerService {
public:
    // What the next pick (file or folder) answers. An empty queue cancels.
    void QueuePath(const std::string& path);
    void QueueCancel();

    struct Request {
        enum class Kind { Open, Save, Folder } kind = Kind::Open;
        uint32_t structSize = 0;
        uint32_t flags = 0;
        std::string initialName;  // file dialogs: the file buffer on entry
        std::string filter;       // file dialogs: the pairs with their zeros
        std::string defaultExtension;
        std::string title;        // folder browser
        std::string initialFolder;  // folder browser
    };
    // Every pick asked so far, oldest first.
    std::vector<Request> Requests() const;

    bool RunFileDialog(bool open, FileDialogRecord& record) override;
    bool BrowseForFolder(const FolderBrowseRequest& request) override;

private:
    std::optional<std::string> NextAnswer();

    mutable std::mutex m_mutex;
    std::deque<std::optional<std::string>> m_answers;
    std::vector<Request> m_requests;
};

}  // namespace bb::platform

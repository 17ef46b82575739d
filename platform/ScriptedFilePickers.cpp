#include "platform/ScriptedFilePickers.h"

#include <cstring>

#include "platform/Paths.h"

namespace bb::platform {
namespace {

// The filter's pairs up to and including the empty string that ends them.
std::string FilterText(const char* filter) {
    std::string text;
    if (!filter)
        return text;
    const char* p = filter;
    while (*p) {
        size_t n = std::strlen(p);
        text.append(p, n + 1);
        p += n + 1;
    }
    text += '\0';
    return text;
}

// Copies `text` with its terminator; false when it does not fit, like the
// dialogs' buffer-too-small failure.
bool CopyInto(char* buffer, size_t capacity, const std::string& text) {
    if (!buffer || text.size() + 1 > capacity)
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

void ScriptedFilePickers::QueuePath(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(path);
}

void ScriptedFilePickers::QueueCancel() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(std::nullopt);
}

std::vector<ScriptedFilePickers::Request> ScriptedFilePickers::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

std::optional<std::string> ScriptedFilePickers::NextAnswer() {
    if (m_answers.empty())
        return std::nullopt;
    std::optional<std::string> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedFilePickers::RunFileDialog(bool open, FileDialogRecord& record) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Request request;
    request.kind = open ? Request::Kind::Open : Request::Kind::Save;
    request.structSize = record.structSize;
    request.flags = record.flags;
    if (record.file)
        request.initialName.assign(record.file, strnlen(record.file, record.fileCapacity));
    request.filter = FilterText(record.filter);
    request.defaultExtension = record.defaultExtension ? record.defaultExtension : "";
    m_requests.push_back(request);

    std::optional<std::string> answer = NextAnswer();
    if (!answer || !CopyInto(record.file, record.fileCapacity, *answer))
        return false;
    if (record.fileTitle) {
        size_t slash = answer->rfind(kPathSeparator);
        std::string title = slash == std::string::npos ? *answer : answer->substr(slash + 1);
        if (!CopyInto(record.fileTitle, record.fileTitleCapacity, title))
            return false;
    }
    return true;
}

bool ScriptedFilePickers::BrowseForFolder(const FolderBrowseRequest& request) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Request seen;
    seen.kind = Request::Kind::Folder;
    seen.flags = request.flags;
    seen.title = request.title ? request.title : "";
    seen.initialFolder = request.initialFolder ? request.initialFolder : "";
    m_requests.push_back(seen);

    std::optional<std::string> answer = NextAnswer();
    // The browser's display-name buffer holds MAX_PATH characters.
    return answer && CopyInto(request.displayName, 260, *answer);
}

}  // namespace bb::platform

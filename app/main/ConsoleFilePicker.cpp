#include "app/main/ConsoleFilePicker.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace bb::app {

namespace {
// OFN_OVERWRITEPROMPT
constexpr uint32_t kOverwritePrompt = 0x2;
}  // namespace

ConsoleFilePicker::ConsoleFilePicker(std::FILE* out, std::FILE* in, bool interactive, std::string currentFolder)
    : m_out(out), m_in(in), m_interactive(interactive), m_currentFolder(std::move(currentFolder)) {}

std::string ConsoleFilePicker::ReadLine() {
    char reply[1024] = {};
    if (!std::fgets(reply, sizeof reply, m_in))
        return {};
    std::string line = reply;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

bool ConsoleFilePicker::RunFileDialog(bool open, platform::FileDialogRecord& record) {
    if (record.file == nullptr || record.fileCapacity == 0)
        return false;
    std::string name = record.file;
    if (m_interactive) {
        std::fprintf(m_out, "%s file [%s]: ", open ? "Open" : "Save as", name.c_str());
        std::fflush(m_out);
        const std::string typed = ReadLine();
        if (!typed.empty())
            name = typed;
    }
    if (name.empty())
        return false;
    std::filesystem::path path(name);
    if (path.is_relative())
        path = std::filesystem::path(m_currentFolder) / path;
    const std::string full = path.lexically_normal().string();

    std::error_code ec;
    if (!open && (record.flags & kOverwritePrompt) != 0 && std::filesystem::exists(path, ec)) {
        std::fprintf(m_out, "%s already exists. Replace it? [y/N] ", full.c_str());
        if (!m_interactive) {
            std::fprintf(m_out, "-> No\n");
            std::fflush(m_out);
            return false;
        }
        std::fflush(m_out);
        const std::string reply = ReadLine();
        if (reply.empty() || (reply[0] != 'y' && reply[0] != 'Y'))
            return false;
    }
    if (full.size() + 1 > record.fileCapacity) {
        std::fprintf(m_out, "The file name is too long: %s\n", full.c_str());
        std::fflush(m_out);
        return false;
    }
    std::memcpy(record.file, full.c_str(), full.size() + 1);
    if (record.fileTitle != nullptr && record.fileTitleCapacity > 0) {
        const std::string title = path.filename().string().substr(0, record.fileTitleCapacity - 1);
        std::memcpy(record.fileTitle, title.c_str(), title.size() + 1);
    }
    std::fprintf(m_out, "%s file: %s\n", open ? "Open" : "Writing to", full.c_str());
    std::fflush(m_out);
    return true;
}

bool ConsoleFilePicker::BrowseForFolder(const platform::FolderBrowseRequest&) {
    return false;
}

}  // namespace bb::app

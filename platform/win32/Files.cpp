#include "platform/Files.h"

#include <windows.h>

#include "platform/NativeServices.h"
#include "platform/TextFile.h"
#include "platform/Wildcard.h"

namespace bb::platform {
namespace {

uint64_t SizeOf(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

class FindHandle {
public:
    explicit FindHandle(HANDLE h) : m_h(h) {}
    ~FindHandle() {
        if (m_h != INVALID_HANDLE_VALUE)
            FindClose(m_h);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return m_h; }

private:
    HANDLE m_h;
};

class Win32Files final : public Files {
public:
    // FindFirstFileA also matches a pattern against the 8.3 short names, so
    // "*.htm" finds "index.html" (short name INDEX~1.HTM). The folder is
    // listed whole and filtered here on the long names instead.
    std::optional<std::vector<FolderEntry>> List(const std::string& folder,
                                                 const std::string& pattern) override {
        std::string all = folder.empty() ? std::string("*")
                          : (folder.back() == '\\' || folder.back() == '/') ? folder + "*"
                                                                            : folder + "\\*";
        WIN32_FIND_DATAA data;
        FindHandle find(FindFirstFileA(all.c_str(), &data));
        if (find.get() == INVALID_HANDLE_VALUE) {
            // An empty drive root has no "." entry and reports no files.
            if (GetLastError() == ERROR_FILE_NOT_FOUND)
                return std::vector<FolderEntry>{};
            return std::nullopt;
        }
        std::vector<FolderEntry> entries;
        do {
            std::string name = data.cFileName;
            if (name == "." || name == ".." || !WildcardMatch(pattern, name))
                continue;
            bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entries.push_back({name, isFolder, isFolder ? 0 : SizeOf(data.nFileSizeHigh, data.nFileSizeLow)});
        } while (FindNextFileA(find.get(), &data));
        return entries;
    }

    bool Exists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    bool IsFolder(const std::string& path) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    // Opening the folder follows symbolic links and junctions to the folder
    // itself; only its attributes are read (a folder opens only with backup
    // semantics).
    std::optional<FolderId> FolderIdentity(const std::string& path) override {
        HANDLE folder = CreateFileA(path.empty() ? "." : path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (folder == INVALID_HANDLE_VALUE)
            return std::nullopt;
        BY_HANDLE_FILE_INFORMATION info;
        const BOOL read = GetFileInformationByHandle(folder, &info);
        CloseHandle(folder);
        if (!read || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return std::nullopt;
        return FolderId{info.dwVolumeSerialNumber, SizeOf(info.nFileIndexHigh, info.nFileIndexLow)};
    }

    std::optional<uint64_t> FileSize(const std::string& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return std::nullopt;
        return SizeOf(data.nFileSizeHigh, data.nFileSizeLow);
    }

    bool Move(const std::string& from, const std::string& to) override {
        return MoveFileA(from.c_str(), to.c_str()) != 0;
    }

    bool Delete(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

    std::optional<std::vector<std::string>> ReadLines(const std::string& path) override {
        auto content = ReadWholeFile(path);
        if (!content)
            return std::nullopt;
        return SplitLines(*content);
    }

    bool WriteText(const std::string& path, const std::string& text, LineEnding ending) override {
        return WriteWholeFile(path, WithLineEnding(text, ending));
    }

    bool WriteTextAtomically(const std::string& path, const std::string& text, LineEnding ending) override {
        const std::string temp = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
        if (!WriteWholeFile(temp, WithLineEnding(text, ending))) {
            DeleteFileA(temp.c_str());
            return false;
        }
        if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DeleteFileA(temp.c_str());
        return false;
    }

    std::string ProgramPath() override {
        // GetModuleFileNameA truncates silently when the buffer is too small
        // (and on XP leaves it unterminated): grow until the answer is shorter.
        std::string buffer(MAX_PATH, '\0');
        for (;;) {
            DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n == 0)
                return std::string();
            if (n < buffer.size()) {
                buffer.resize(n);
                return buffer;
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    std::optional<std::string> VolumeName(const std::string& path) override {
        char name[254] = {};
        if (!GetVolumeInformationA(path.c_str(), name, sizeof name, nullptr, nullptr, nullptr,
                                   nullptr, 0))
            return std::nullopt;
        return std::string(name);
    }
};

}  // namespace

Files& NativeFiles() {
    static Win32Files files;
    return files;
}

}  // namespace bb::platform

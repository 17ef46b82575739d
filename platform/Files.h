// Files and folders: enumeration, sizes, text files, moves, the program's
// own path and volume names. Names are single-byte text as the file system
// gives them (ANSI on Windows, UTF-8 bytes elsewhere).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bb::platform {

struct FolderEntry {
    std::string name;       // as on disk, without folder
    bool isFolder = false;
    uint64_t size = 0;      // bytes; 0 for folders
};

// A folder as the file system knows it, whatever path leads there: the
// device and inode on POSIX, the volume serial number and file index on
// Windows. Two paths give the same id when one of them goes through a
// symbolic link, junction or mount to the other.
struct FolderId {
    uint64_t volume = 0;
    uint64_t index = 0;
    friend bool operator==(const FolderId&, const FolderId&) = default;
};

enum class LineEnding { Lf, CrLf };
// How this platform ends the lines of a text file: CR LF on Windows, LF elsewhere.
extern const LineEnding kTextFileEnding;

class Files {
public:
    virtual ~Files() = default;

    // Entries of `folder` whose names match `pattern` (* and ?, letter case
    // ignored; see WildcardMatch), without "." and "..", in the order the file
    // system lists them. Nothing when the folder cannot be read.
    virtual std::optional<std::vector<FolderEntry>> List(const std::string& folder,
                                                         const std::string& pattern) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // The id of the folder `path` leads to (links followed); nothing for a
    // file, a missing path, or a folder the system will not say.
    virtual std::optional<FolderId> FolderIdentity(const std::string& path) = 0;
    // Size of a file in bytes, 4 GiB and more included; nothing for a missing
    // file or a folder.
    virtual std::optional<uint64_t> FileSize(const std::string& path) = 0;

    // Renames or moves a file or folder. Fails when `to` exists.
    [[nodiscard]] virtual bool Move(const std::string& from, const std::string& to) = 0;
    // Deletes a file (not a folder).
    [[nodiscard]] virtual bool Delete(const std::string& path) = 0;

    // The file's lines without their LF or CR LF ends (a last line without an
    // end counts too). Nothing when the file cannot be read.
    virtual std::optional<std::vector<std::string>> ReadLines(const std::string& path) = 0;
    // Writes `text` as the whole file, each "\n" written as `ending`.
    [[nodiscard]] virtual bool WriteText(const std::string& path, const std::string& text,
                                         LineEnding ending) = 0;
    // Like WriteText, but readers see either the old file or the complete new
    // one: the text goes to a file beside `path` that is then renamed over it.
    [[nodiscard]] virtual bool WriteTextAtomically(const std::string& path, const std::string& text,
                                           LineEnding ending) = 0;

    // Full path of the running executable.
    virtual std::string ProgramPath() = 0;
    // Label of the volume holding `path` (on Windows a root such as "D:\"),
    // or nothing when the volume cannot be asked. An unlabelled volume gives
    // an empty label.
    virtual std::optional<std::string> VolumeName(const std::string& path) = 0;
};

Files& SystemFiles();
// Replaces the service for the whole process (null restores the native one).
void SetSystemFiles(Files* replacement);

}  // namespace bb::platform

#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/NativeServices.h"
#include "platform/TextFile.h"
#include "platform/Wildcard.h"

namespace bb::platform {
namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

// Undoes the "\x20" escapes of udev's /dev/disk/by-label names and the
// "\040" octal escapes of /proc/self/mountinfo.
std::string Unescape(const std::string& s) {
    auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            if (s[i + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(s[i + 2])) &&
                std::isxdigit(static_cast<unsigned char>(s[i + 3]))) {
                out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
                i += 3;
                continue;
            }
            if (isOctal(s[i + 1]) && isOctal(s[i + 2]) && isOctal(s[i + 3])) {
                out += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

bool IsUnder(const std::string& path, const std::string& mountPoint) {
    if (mountPoint == "/")
        return true;
    return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

// The device (major:minor) of the mount that holds `path`: the longest
// mount point that is a prefix of the resolved path.
std::optional<dev_t> MountDevice(const std::string& path) {
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return std::nullopt;
    std::ifstream mountinfo("/proc/self/mountinfo");
    std::string line, best;
    std::optional<dev_t> device;
    while (std::getline(mountinfo, line)) {
        // id parent major:minor root mount-point ...
        std::istringstream fields(line);
        std::string id, parent, majorMinor, root, mountPoint;
        if (!(fields >> id >> parent >> majorMinor >> root >> mountPoint))
            continue;
        mountPoint = Unescape(mountPoint);
        unsigned major = 0, minor = 0;
        if (std::sscanf(majorMinor.c_str(), "%u:%u", &major, &minor) != 2)
            continue;
        if (IsUnder(resolved, mountPoint) && mountPoint.size() >= best.size()) {
            best = mountPoint;
            device = makedev(major, minor);
        }
    }
    return device;
}

class PosixFiles final : public Files {
public:
    std::optional<std::vector<FolderEntry>> List(const std::string& folder,
                                                 const std::string& pattern) override {
        std::unique_ptr<DIR, DirCloser> dir(opendir(folder.empty() ? "." : folder.c_str()));
        if (!dir)
            return std::nullopt;
        std::vector<FolderEntry> entries;
        while (dirent* e = readdir(dir.get())) {
            std::string name = e->d_name;
            if (name == "." || name == ".." || !WildcardMatch(pattern, name))
                continue;
            FolderEntry entry{name, false, 0};
            struct stat st;
            // Follows symbolic links: a link to a folder lists as a folder.
            if (fstatat(dirfd(dir.get()), e->d_name, &st, 0) == 0) {
                entry.isFolder = S_ISDIR(st.st_mode);
                entry.size = entry.isFolder ? 0 : static_cast<uint64_t>(st.st_size);
            }
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    bool Exists(const std::string& path) override {
        struct stat st;
        return stat(path.c_str(), &st) == 0;
    }

    bool IsFolder(const std::string& path) override {
        struct stat st;
        return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    std::optional<FolderId> FolderIdentity(const std::string& path) override {
        struct stat st;
        if (stat(path.empty() ? "." : path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return std::nullopt;
        return FolderId{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    }

    std::optional<uint64_t> FileSize(const std::string& path) override {
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
            return std::nullopt;
        return static_cast<uint64_t>(st.st_size);
    }

    bool Move(const std::string& from, const std::string& to) override {
        // rename() would silently replace `to`; MoveFileA refuses, and so do we.
        if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        // File systems without RENAME_NOREPLACE (some network and FUSE ones).
        struct stat st;
        if (lstat(to.c_str(), &st) == 0)
            return false;
        return std::rename(from.c_str(), to.c_str()) == 0;
    }

    bool Delete(const std::string& path) override { return unlink(path.c_str()) == 0; }

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
        const std::string temp = path + "." + std::to_string(getpid()) + ".tmp";
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
        const std::string bytes = WithLineEnding(text, ending);
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        // Data on disk before the rename, or a crash could leave an empty
        // file under the old name.
        bool ok = done == bytes.size() && fsync(fd) == 0;
        ok = close(fd) == 0 && ok;
        if (ok && std::rename(temp.c_str(), path.c_str()) == 0)
            return true;
        unlink(temp.c_str());
        return false;
    }

    std::string ProgramPath() override {
        std::string buffer(PATH_MAX, '\0');
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n <= 0)
            return std::string();
        buffer.resize(static_cast<size_t>(n));
        return buffer;
    }

    // udev names a link in /dev/disk/by-label after each labelled file
    // system; the one whose device is the mount's device holds the label.
    std::optional<std::string> VolumeName(const std::string& path) override {
        auto device = MountDevice(path);
        if (!device)
            return std::nullopt;
        const std::string labels = "/dev/disk/by-label";
        std::unique_ptr<DIR, DirCloser> dir(opendir(labels.c_str()));
        if (!dir)
            return std::string();
        while (dirent* e = readdir(dir.get())) {
            std::string name = e->d_name;
            if (name == "." || name == "..")
                continue;
            struct stat st;
            if (stat((labels + "/" + name).c_str(), &st) == 0 && S_ISBLK(st.st_mode) &&
                st.st_rdev == *device)
                return Unescape(name);
        }
        return std::string();
    }
};

}  // namespace

Files& NativeFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace bb::platform

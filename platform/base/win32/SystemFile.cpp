#include "platform/base/SystemFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace bb::platform {
namespace {

// The runtime's _read and _write take an unsigned int count; stay well below it.
constexpr size_t kMaxTransfer = size_t(1) << 30;

}  // namespace

bool SystemFile::OpenRead(const std::string& path) {
    (void)Close();
    // _O_SEQUENTIAL asks for the system's sequential-scan caching.
    m_fd = ::_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT | _O_SEQUENTIAL);
    return m_fd >= 0;
}

bool SystemFile::Create(const std::string& path) {
    (void)Close();
    m_fd = ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT | _O_SEQUENTIAL,
                  _S_IREAD | _S_IWRITE);
    return m_fd >= 0;
}

int64_t SystemFile::ReadSome(void* data, size_t size) {
    return ::_read(m_fd, data, unsigned(std::min(size, kMaxTransfer)));
}

int64_t SystemFile::WriteSome(const void* data, size_t size) {
    return ::_write(m_fd, data, unsigned(std::min(size, kMaxTransfer)));
}

bool SystemFile::Seek(uint64_t offset) {
    return m_fd >= 0 && ::_lseeki64(m_fd, int64_t(offset), SEEK_SET) == int64_t(offset);
}

int64_t SystemFile::Size() const { return m_fd >= 0 ? int64_t(::_filelengthi64(m_fd)) : -1; }

// SetFileInformationByHandle came with Windows Vista: looked up at run time
// so that the program still starts on older systems, which reserve nothing.
using SetFileInformationByHandleFn = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
constexpr int kFileAllocationInfo = 5;  // FILE_INFO_BY_HANDLE_CLASS
struct FileAllocationInfo {
    LARGE_INTEGER allocationSize;
};

// The clusters are the file's, its length stays what has been written, so
// an unfinished image never has a finished one's size. (The runtime's
// _chsize_s would fill the file with zeros: a second write of the image.)
SystemFile::Reservation SystemFile::Reserve(uint64_t bytes) {
    static const auto setInformation = reinterpret_cast<SetFileInformationByHandleFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"),
                                                 "SetFileInformationByHandle")));
    const HANDLE handle = m_fd >= 0 ? HANDLE(::_get_osfhandle(m_fd)) : INVALID_HANDLE_VALUE;
    if (!setInformation || handle == INVALID_HANDLE_VALUE) return Reservation::Unsupported;
    FileAllocationInfo allocation{};
    allocation.allocationSize.QuadPart = LONGLONG(bytes);
    if (setInformation(handle, kFileAllocationInfo, &allocation, sizeof allocation))
        return Reservation::Done;
    const DWORD error = ::GetLastError();
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL || error == ERROR_FILE_TOO_LARGE)
        return Reservation::NoSpace;
    // File systems without reservation (network shares, say) are written as before.
    return Reservation::Unsupported;
}

// Opened with _O_SEQUENTIAL already.
void SystemFile::ReadsSequentially() {}

// The cache manager reads ahead on its own for files opened with _O_SEQUENTIAL.
void SystemFile::StartReadAhead(uint64_t, uint64_t) {}

// The system's lazy writer streams on its own.
void SystemFile::StartWriteBack(uint64_t, uint64_t) {}

bool SystemFile::Close() {
    if (m_fd < 0) return true;
    const bool ok = ::_close(m_fd) == 0;
    m_fd = -1;
    return ok;
}

KernelCopyCalls SystemKernelCopyCalls() { return {}; }

// The runtime has no quota error.
bool IsNoRoomError(int error) { return error == ENOSPC || error == EFBIG; }

}  // namespace bb::platform

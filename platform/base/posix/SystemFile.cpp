#include "platform/base/SystemFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/sendfile.h>
#endif

namespace bb::platform {

bool SystemFile::OpenRead(const std::string& path) {
    (void)Close();
    // Only a regular file is read: a FIFO would block the open until some
    // other program writes to it, and a device never ends. Opening without
    // blocking, then looking, keeps both out.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return false;
    }
    (void)fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    return true;
}

bool SystemFile::Create(const std::string& path) {
    (void)Close();
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return m_fd >= 0;
}

int64_t SystemFile::ReadSome(void* data, size_t size) {
    ssize_t n;
    do {
        n = ::read(m_fd, data, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

int64_t SystemFile::WriteSome(const void* data, size_t size) {
    ssize_t n;
    do {
        n = ::write(m_fd, data, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool SystemFile::Seek(uint64_t offset) {
    return m_fd >= 0 && ::lseek(m_fd, off_t(offset), SEEK_SET) == off_t(offset);
}

int64_t SystemFile::Size() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) return -1;
    return int64_t(st.st_size);
}

SystemFile::Reservation SystemFile::Reserve(uint64_t bytes) {
#ifdef __linux__
    // KEEP_SIZE: the blocks are the file's, its length stays what has been
    // written, so an unfinished image never has a finished one's size.
    int result;
    do {
        result = ::fallocate(m_fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes));
    } while (result != 0 && errno == EINTR);
    if (result == 0) return Reservation::Done;
    if (IsNoRoomError(errno)) return Reservation::NoSpace;
#else
    (void)bytes;
#endif
    // File systems without the call (FAT, network shares) are written as before.
    return Reservation::Unsupported;
}

void SystemFile::ReadsSequentially() {
#ifdef POSIX_FADV_SEQUENTIAL
    (void)::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

void SystemFile::StartReadAhead(uint64_t offset, uint64_t size) {
#ifdef POSIX_FADV_WILLNEED
    (void)::posix_fadvise(m_fd, off_t(offset), off_t(size), POSIX_FADV_WILLNEED);
#else
    (void)offset;
    (void)size;
#endif
}

void SystemFile::StartWriteBack(uint64_t offset, uint64_t size) {
#ifdef __linux__
    (void)::sync_file_range(m_fd, off64_t(offset), off64_t(size), SYNC_FILE_RANGE_WRITE);
#else
    (void)offset;
    (void)size;
#endif
}

bool SystemFile::Close() {
    if (m_fd < 0) return true;
    const bool ok = ::close(m_fd) == 0;
    m_fd = -1;
    return ok;
}

#ifdef __linux__
namespace {

int64_t CopyFileRange(int source, uint64_t* sourceOffset, int target, size_t size) {
    loff_t in = loff_t(*sourceOffset);
    const ssize_t n = ::copy_file_range(source, &in, target, nullptr, size, 0);
    if (n > 0) *sourceOffset = uint64_t(in);
    return n;
}

int64_t SendFile(int target, int source, uint64_t* sourceOffset, size_t size) {
    off_t in = off_t(*sourceOffset);
    const ssize_t n = ::sendfile(target, source, &in, size);
    if (n > 0) *sourceOffset = uint64_t(in);
    return n;
}

}  // namespace

KernelCopyCalls SystemKernelCopyCalls() { return {CopyFileRange, SendFile}; }
#else
KernelCopyCalls SystemKernelCopyCalls() { return {}; }
#endif

bool IsNoRoomError(int error) { return error == ENOSPC || error == EFBIG || error == EDQUOT; }

}  // namespace bb::platform

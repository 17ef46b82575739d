// A file reached through the C runtime's descriptor: unbuffered reads and
// writes with 64-bit offsets, space reserved ahead of a long write, and the
// platform's in-kernel copy calls. posix/SystemFile.cpp and
// win32/SystemFile.cpp are the only places that know the platform's names
// for them; SystemFile.cpp loops over their single calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bb::platform {

class SystemFile {
public:
    SystemFile() = default;
    ~SystemFile() { (void)Close(); }
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    [[nodiscard]] bool OpenRead(const std::string& path);
    // Creates the file, or empties an existing one.
    [[nodiscard]] bool Create(const std::string& path);
    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }

    // Bytes read at the current position (fewer only at the end), or -1.
    int64_t Read(void* data, size_t size);
    // Writes every byte at the current position; false on an error, with
    // errno telling which.
    [[nodiscard]] bool WriteAll(const void* data, size_t size);
    [[nodiscard]] bool Seek(uint64_t offset);
    // Size of the open file, or -1.
    int64_t Size() const;

    // Allocates disk space for the first `bytes` of the file without
    // changing its size, so that a full disk shows before the first write.
    enum class Reservation { Done, Unsupported, NoSpace };
    [[nodiscard]] Reservation Reserve(uint64_t bytes);

    // Tells the system that the file will be read once, front to back.
    void ReadsSequentially();
    // Asks the system to start reading the given range into its cache now,
    // so that the disk is already busy with it while the caller works on
    // what came before (where the system can).
    void StartReadAhead(uint64_t offset, uint64_t size);
    // Starts writing the given range of the file to the disk without
    // waiting for it (where the system can).
    void StartWriteBack(uint64_t offset, uint64_t size);

    // False when the system reports an error at closing (data that did not
    // reach the disk).
    [[nodiscard]] bool Close();

private:
    // One call of the platform's read or write at the current position: the
    // bytes moved (0 at the end of the file), or -1 with errno set.
    int64_t ReadSome(void* data, size_t size);
    int64_t WriteSome(const void* data, size_t size);

    int m_fd = -1;
};

// The system calls that move file data between two descriptors without
// passing it through our memory, as a table that tests can replace. Both
// copy from `*sourceOffset` (and advance it) to the target's current
// position, and return the bytes moved, 0 when the source has ended, or -1
// with errno set; a null member is a call the platform does not have.
struct KernelCopyCalls {
    int64_t (*copyFileRange)(int source, uint64_t* sourceOffset, int target, size_t size) = nullptr;
    int64_t (*sendFile)(int target, int source, uint64_t* sourceOffset, size_t size) = nullptr;
};

// This platform's calls: both on Linux, none elsewhere.
KernelCopyCalls SystemKernelCopyCalls();

// True when the errno value says the target has no room left: a full disk,
// a quota, a file size limit.
bool IsNoRoomError(int error);

}  // namespace bb::platform

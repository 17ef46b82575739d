// Disc image writer of our recording library: turns a file tree into an
// ISO 9660 / UDF 1.02 bridge image (Joliet on request) in DVD-Video order.
//
// Two steps, as every image is written here:
//   1. PlanImage computes the whole layout (every structure and every file's
//      first sector) from the tree and the options, reading only the IFO
//      files of VIDEO_TS when DVD-Video placement is asked for.
//   2. WriteImage streams the planned image into a sink, sector by sector,
//      with large sequential reads of the source files and bounded memory.
// The tree is the library's own copy of what the program handed over; the
// writer never changes a source file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bb::recorder::image {

constexpr uint32_t kSectorSize = 2048;

struct Node {
    std::string name;          // name on the disc, as given by the program
    bool isDir = false;
    std::string sourcePath;    // file on the hard disk; empty for a folder
    std::vector<Node> children;  // folder contents in the order given
};

struct Options {
    bool iso9660 = true;        // track flag 0x08
    bool udf = true;            // track flag 0x10
    bool joliet = false;        // track flag 0x01
    bool dvdVideoRealloc = false;  // track flag 0x40: place VIDEO_TS files where the IFOs say
    std::string volumeLabel;
    int64_t recordingTime = 0;  // seconds since 1970 (UTC) stamped on every structure
};

// One file's place in the image.
struct FileExtent {
    std::string discPath;      // "/VIDEO_TS/VTS_01_1.VOB"
    std::string sourcePath;
    uint64_t size = 0;
    uint32_t startSector = 0;
};

enum class Status {
    Ok,
    ReallocFailed,     // the IFO files are not valid DVD-Video; nothing planned
    SourceUnreadable,  // a source file is missing, unreadable or changed size
    WriteFailed,       // the sink refused a write (disk full, I/O error)
    Aborted,
    InvalidTree,       // a name that cannot be recorded, a file too large, ...
};

// The planned image. Opaque beyond what callers need to know.
class Plan {
public:
    virtual ~Plan() = default;
    virtual uint64_t TotalSectors() const = 0;
    virtual const std::vector<FileExtent>& Files() const = 0;  // in disc order
};

struct PlanResult {
    Status status = Status::Ok;
    std::string message;         // explanation for the error log when not Ok
    std::unique_ptr<Plan> plan;  // set when status is Ok
};

[[nodiscard]] PlanResult PlanImage(const Node& root, const Options& options);

// Where the image goes. Write is called with consecutive chunks.
class Sink {
public:
    virtual ~Sink() = default;
    virtual bool Write(const void* data, size_t size) = 0;

    // Optional fast path for a sink backed by a file: append `size` bytes of
    // the file at `sourcePath` from byte `offset` without passing them
    // through the writer's memory (copy_file_range on Linux, say; see
    // ImageFileSink). The writer has handed over every earlier byte through
    // Write before it calls this, and asks for at most 16 MiB at a time so
    // that it can report progress and poll for an abort in between. Unsupported must leave the sink unchanged;
    // the writer then reads and writes the data itself from there on.
    enum class CopyResult { Done, Unsupported, SourceFailed, SinkFailed };
    virtual CopyResult CopyFromFile(const std::string& sourcePath, uint64_t offset, uint64_t size) {
        (void)sourcePath;
        (void)offset;
        (void)size;
        return CopyResult::Unsupported;
    }
};

struct Callbacks {
    std::function<bool()> aborted;            // true stops the job; polled often
    std::function<void(int percent)> progress;  // 0..100
    std::function<void(const std::string&)> log;
};

struct WriteResult {
    Status status = Status::Ok;
    std::string message;
};

[[nodiscard]] WriteResult WriteImage(const Plan& plan, Sink& sink, const Callbacks& callbacks);

// Appends the vendor's image footer (v2, "NER5") for a single-session,
// single-track Mode 1 data disc of `imageSectors` 2048-byte sectors that
// starts at byte 0 of the file.
[[nodiscard]] bool WriteNrgFooter(Sink& sink, uint64_t imageSectors, bool isDvd);
// The same footer as bytes (it is a few hundred bytes long).
std::vector<uint8_t> BuildNrgFooter(uint64_t imageSectors, bool isDvd);

// Reads the written image back (through the file at imagePath) and compares
// every file's bytes with its source.
[[nodiscard]] WriteResult VerifyImage(const Plan& plan, const std::string& imagePath, const Callbacks& callbacks);

}  // namespace bb::recorder::image

// WriteImage: streams a planned image into a sink from sector 0 to the end.
#include <algorithm>
#include <chrono>
#include <cstring>

#include "recorder/image/ImageLayout.h"
#include "recorder/image/ImageRenderer.h"
#include "recorder/image/LargeFile.h"

namespace rec::image {

namespace {

// Big enough for the disk to stream, small enough to stay in the CPU cache
// between read and write, and to poll for an abort every few milliseconds.
// Measured here (Linux 6.18, ext4, a 3 GB DVD root, synced): 256 KiB chunks
// ran at cat's speed (870 MB/s), 1 MiB chunks at about half of it, and
// writes of 2 MiB and more were five times slower than 1 MiB ones.
constexpr size_t kChunkBytes = size_t(256) << 10;

class Output {
public:
    Output(Sink& sink, const Callbacks& callbacks, uint64_t totalBytes)
        : sink_(sink), callbacks_(callbacks), total_(totalBytes), buffer_(kChunkBytes) {}

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }

    // Room left in the chunk, to read file data straight into it.
    uint8_t* Tail() { return buffer_.data() + fill_; }
    size_t Room() const { return buffer_.size() - fill_; }
    bool Commit(size_t n) {
        fill_ += n;
        return fill_ < buffer_.size() || Flush();
    }

    bool Append(const uint8_t* data, size_t size) {
        while (ok() && size > 0) {
            const size_t n = std::min(size, Room());
            std::memcpy(Tail(), data, n);
            data += n;
            size -= n;
            Commit(n);
        }
        return ok();
    }

    bool Zeros(uint64_t size) {
        while (ok() && size > 0) {
            const size_t n = size_t(std::min<uint64_t>(size, Room()));
            std::memset(Tail(), 0, n);
            size -= n;
            Commit(n);
        }
        return ok();
    }

    bool Flush() {
        if (!ok()) return false;
        if (fill_ > 0 && !sink_.Write(buffer_.data(), fill_)) {
            status_ = Status::WriteFailed;
            return false;
        }
        written_ += fill_;
        fill_ = 0;
        if (callbacks_.aborted && callbacks_.aborted()) {
            status_ = Status::Aborted;
            return false;
        }
        Report();
        return true;
    }

    void Report() {
        if (!callbacks_.progress || total_ == 0) return;
        const int percent = int(written_ * 100 / total_);
        if (percent != lastPercent_) {
            lastPercent_ = percent;
            callbacks_.progress(percent);
        }
    }

    uint64_t Position() const { return written_ + fill_; }

    // Bytes the sink took by itself (Sink::CopyFromFile); the chunk is empty then.
    bool Advance(uint64_t n) {
        written_ += n;
        if (callbacks_.aborted && callbacks_.aborted()) {
            status_ = Status::Aborted;
            return false;
        }
        Report();
        return true;
    }
    bool Empty() const { return fill_ == 0; }
    Sink& sink() { return sink_; }
    bool directCopy = true;  // until the sink says it cannot

private:
    Sink& sink_;
    const Callbacks& callbacks_;
    uint64_t total_;
    std::vector<uint8_t> buffer_;
    size_t fill_ = 0;
    uint64_t written_ = 0;
    int lastPercent_ = -1;
    Status status_ = Status::Ok;
};

WriteResult Failed(Status status, std::string message) { return {status, std::move(message)}; }

WriteResult FromOutput(const Output& out) {
    switch (out.status()) {
    case Status::WriteFailed: return Failed(Status::WriteFailed, "cannot write the image (disk full or write error)");
    case Status::Aborted: return Failed(Status::Aborted, "aborted");
    default: return {};
    }
}

// Lets a file-backed sink copy the data itself, in slices sized to take
// about a tenth of a second each (a few MiB), so that progress and the abort
// poll come several times a second on a slow disk as on a fast one. Returns
// false when the sink cannot copy.
bool CopyDirect(Output& out, const LayoutFile& f, uint64_t& done, WriteResult& result) {
    using Clock = std::chrono::steady_clock;
    constexpr uint64_t kMinSlice = uint64_t(1) << 20, kFirstSlice = uint64_t(4) << 20;
    constexpr uint64_t kMaxSlice = uint64_t(16) << 20;
    uint64_t slice = kFirstSlice;
    if (!out.directCopy || f.size < kChunkBytes) return false;
    if (!out.Flush()) {
        result = FromOutput(out);
        return true;
    }
    while (done < f.size) {
        const uint64_t n = std::min(slice, f.size - done);
        const Clock::time_point started = Clock::now();
        switch (out.sink().CopyFromFile(f.sourcePath, done, n)) {
        case Sink::CopyResult::Done: break;
        case Sink::CopyResult::Unsupported:
            out.directCopy = false;
            if (done == 0) return false;  // nothing copied: read and write it here instead
            result = Failed(Status::WriteFailed, "the image sink stopped copying");
            return true;
        case Sink::CopyResult::SourceFailed:
            result = Failed(Status::SourceUnreadable, "cannot read " + f.sourcePath);
            return true;
        case Sink::CopyResult::SinkFailed:
            result = Failed(Status::WriteFailed, "cannot write the image (disk full or write error)");
            return true;
        }
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count();
        const uint64_t target = micros > 0 ? n * 100000 / uint64_t(micros) : kMaxSlice;
        slice = std::clamp(target, kMinSlice, kMaxSlice);
        done += n;
        if (!out.Advance(n)) {
            result = FromOutput(out);
            return true;
        }
    }
    const uint64_t tail = f.size % kSectorSize;
    if (tail != 0 && !out.Zeros(kSectorSize - tail)) result = FromOutput(out);
    return true;
}

WriteResult StreamFile(Output& out, const LayoutFile& f) {
    LargeFile file;
    if (!file.OpenRead(f.sourcePath)) return Failed(Status::SourceUnreadable, "cannot open " + f.sourcePath);
    const int64_t size = file.Size();
    if (size < 0 || uint64_t(size) != f.size)
        return Failed(Status::SourceUnreadable, f.sourcePath + " has changed size since the image was planned");
    uint64_t done = 0;
    WriteResult direct;
    if (CopyDirect(out, f, done, direct)) return direct;
    uint64_t left = f.size;
    while (left > 0) {
        const size_t want = size_t(std::min<uint64_t>(left, out.Room()));
        const size_t got = file.Read(out.Tail(), want);
        if (got != want) return Failed(Status::SourceUnreadable, "cannot read " + f.sourcePath);
        left -= got;
        if (!out.Commit(got)) return FromOutput(out);
    }
    const uint64_t tail = f.size % kSectorSize;
    if (tail != 0 && !out.Zeros(kSectorSize - tail)) return FromOutput(out);
    return {};
}

}  // namespace

WriteResult WriteImage(const Plan& plan, Sink& sink, const Callbacks& callbacks) {
    const auto* image = dynamic_cast<const ImagePlan*>(&plan);
    if (!image) return Failed(Status::InvalidTree, "the plan was not made by PlanImage");
    const Layout& layout = image->GetLayout();
    const uint64_t total = uint64_t(layout.totalSectors) * kSectorSize;
    if (callbacks.progress) callbacks.progress(0);
    if (callbacks.aborted && callbacks.aborted()) return Failed(Status::Aborted, "aborted");

    Output out(sink, callbacks, total);
    std::vector<uint8_t> scratch;
    for (const Piece& piece : layout.pieces) {
        const uint64_t start = uint64_t(piece.start) * kSectorSize;
        // Pieces never overlap; gaps between them (system area, IFO pads) are zeros.
        if (!out.Zeros(start - out.Position())) return FromOutput(out);
        if (piece.kind == PieceKind::FileData) {
            WriteResult r = StreamFile(out, layout.files[piece.index]);
            if (r.status != Status::Ok) return r;
        } else {
            RenderPiece(layout, piece, scratch);
            if (!out.Append(scratch.data(), scratch.size())) return FromOutput(out);
        }
    }
    if (!out.Zeros(total - out.Position()) || !out.Flush()) return FromOutput(out);
    if (callbacks.progress) callbacks.progress(100);
    return {};
}

}  // namespace rec::image

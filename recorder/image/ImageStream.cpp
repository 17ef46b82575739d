// WriteImage: streams a planned image into a sink from sector 0 to the end.
#include <algorithm>
#include <chrono>
#include <cstring>

#include "recorder/image/ImageLayout.h"
#include "recorder/image/ImageRenderer.h"
#include "recorder/image/LargeFile.h"

namespace bb::recorder::image {

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
        : m_sink(sink), m_callbacks(callbacks), m_total(totalBytes), m_buffer(kChunkBytes) {}

    Status status() const { return m_status; }
    bool ok() const { return m_status == Status::Ok; }

    // Room left in the chunk, to read file data straight into it.
    uint8_t* Tail() { return m_buffer.data() + m_fill; }
    size_t Room() const { return m_buffer.size() - m_fill; }
    bool Commit(size_t n) {
        m_fill += n;
        return m_fill < m_buffer.size() || Flush();
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
        if (m_fill > 0 && !m_sink.Write(m_buffer.data(), m_fill)) {
            m_status = Status::WriteFailed;
            return false;
        }
        m_written += m_fill;
        m_fill = 0;
        if (m_callbacks.aborted && m_callbacks.aborted()) {
            m_status = Status::Aborted;
            return false;
        }
        Report();
        return true;
    }

    void Report() {
        if (!m_callbacks.progress || m_total == 0) return;
        const int percent = int(m_written * 100 / m_total);
        if (percent != m_lastPercent) {
            m_lastPercent = percent;
            m_callbacks.progress(percent);
        }
    }

    uint64_t Position() const { return m_written + m_fill; }

    // Bytes the sink took by itself (Sink::CopyFromFile); the chunk is empty then.
    bool Advance(uint64_t n) {
        m_written += n;
        if (m_callbacks.aborted && m_callbacks.aborted()) {
            m_status = Status::Aborted;
            return false;
        }
        Report();
        return true;
    }
    bool Empty() const { return m_fill == 0; }
    Sink& sink() { return m_sink; }
    bool directCopy = true;  // until the sink says it cannot

private:
    Sink& m_sink;
    const Callbacks& m_callbacks;
    uint64_t m_total;
    std::vector<uint8_t> m_buffer;
    size_t m_fill = 0;
    uint64_t m_written = 0;
    int m_lastPercent = -1;
    Status m_status = Status::Ok;
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

}  // namespace bb::recorder::image

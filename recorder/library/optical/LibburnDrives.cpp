// The drives through libburn. Every engine call runs under one lock: the
// engine keeps one drive list per process. Writing runs on the engine's
// thread; this side feeds it the image through a bounded buffer and polls
// its state, so every callback stays on the caller's thread.
#include "recorder/library/optical/OpticalDrives.h"

#include "neroapi/NeroRecords.h"
#include "platform/base/ProcessEnvironment.h"
#include "recorder/library/NeroApiExports.h"

#include <dlfcn.h>
#include <libburn/libburn.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace bb::recorder::library::optical {

using namespace burn;  // the engine's C interface lives in this namespace under C++

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kScanPatience = 4s;     // the drive list waits no longer for the scan
constexpr auto kEnginePatience = 10s;  // a job waits this long for another job's drive
constexpr auto kDiscPatience = 20s;    // a drive may take this long to spin up a disc
constexpr size_t kSectorBytes = 2048;

// One engine call at a time. A job waits a while for another job's drive,
// the scan waits as long as it takes.
class EngineGate {
public:
    bool Enter(std::chrono::milliseconds patience) {
        std::unique_lock lock(m_mutex);
        if (!m_free.wait_for(lock, patience, [this] { return !m_busy; })) {
            return false;
        }
        m_busy = true;
        return true;
    }
    void Enter() {
        std::unique_lock lock(m_mutex);
        m_free.wait(lock, [this] { return !m_busy; });
        m_busy = true;
    }
    void Leave() {
        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
        }
        m_free.notify_one();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    bool m_busy = false;
};

EngineGate g_engine;

class EngineTurn {
public:
    explicit EngineTurn(std::chrono::milliseconds patience) : m_held(g_engine.Enter(patience)) {}
    EngineTurn() : m_held(true) { g_engine.Enter(); }
    ~EngineTurn() {
        if (m_held) {
            g_engine.Leave();
        }
    }
    EngineTurn(const EngineTurn&) = delete;
    EngineTurn& operator=(const EngineTurn&) = delete;
    bool Held() const { return m_held; }

private:
    bool m_held;
};

struct ScanState;
class ScanThread;

// The engine is started by the first use and finished when the library
// ends (at the process's end once a scan has started, see StayLoaded),
// after the drive scan's thread has been joined; an engine still busy then
// (a scan hanging in the system) is left as it is.
class EngineLifetime {
public:
    ~EngineLifetime();
    // The machine's drives are scanned once, on a thread of its own.
    ScanState& Scan();
    // Called during an engine turn.
    void Start() {
        if (m_started) {
            return;
        }
        if (burn_initialize() != 1) {
            return;
        }
        // Messages are collected and shown in the job log, never printed.
        burn_msgs_set_severities(const_cast<char*>("SORRY"), const_cast<char*>("NEVER"),
                                 const_cast<char*>("NeroAPI: "));
        m_started = true;
    }

private:
    bool m_started = false;
    std::once_flag m_scanOnce;
    std::unique_ptr<ScanThread> m_scan;
};

EngineLifetime g_lifetime;

void StartEngine() {
    g_lifetime.Start();
}

struct EngineMessage {
    std::string text;
    int osErrno = 0;
};

std::vector<EngineMessage> DrainMessages() {
    std::vector<EngineMessage> messages;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    int code = 0;
    int osErrno = 0;
    while (burn_msgs_obtain(const_cast<char*>("SORRY"), &code, text, &osErrno, severity) == 1) {
        messages.push_back({text, osErrno});
    }
    return messages;
}

void AddMessages(Observation& observed, const std::vector<EngineMessage>& messages) {
    for (const EngineMessage& message : messages) {
        observed.messages.push_back(message.text);
        if (message.osErrno != 0 && observed.openErrno == 0) {
            observed.openErrno = message.osErrno;
        }
    }
}

DiscStatus FromEngine(burn_disc_status status) {
    switch (status) {
    case BURN_DISC_BLANK: return DiscStatus::Blank;
    case BURN_DISC_EMPTY: return DiscStatus::Empty;
    case BURN_DISC_APPENDABLE: return DiscStatus::Appendable;
    case BURN_DISC_FULL: return DiscStatus::Full;
    case BURN_DISC_UNSUITABLE: return DiscStatus::Unsuitable;
    default: return DiscStatus::Unknown;
    }
}

std::optional<uint64_t> PseudoCapacitySectors() {
    if (const auto text = platform::EnvironmentValue("BB_NEROAPI_PSEUDO_CAPACITY")) {
        if (const auto bytes = ParseByteSize(*text)) {
            return *bytes / kSectorBytes;
        }
    }
    return std::nullopt;
}

uint32_t MaskOfProfiles(const int* profiles, int count) {
    uint32_t mask = 0;
    for (int i = 0; i < count; ++i) {
        switch (profiles[i]) {
        case 0x09:
        case 0x0a: mask |= neroapi::kMediaCdR; break;
        case 0x11: mask |= neroapi::kMediaDvdMinusR; break;
        case 0x13:
        case 0x14: mask |= neroapi::kMediaDvdMinusRw; break;
        case 0x12: mask |= neroapi::kMediaDvdRam; break;
        case 0x1a: mask |= neroapi::kMediaDvdPlusRw; break;
        case 0x1b: mask |= neroapi::kMediaDvdPlusR; break;
        case 0x15:
        case 0x2b: mask |= neroapi::kMediaDvdDoubleLayer; break;
        default: break;
        }
    }
    return mask;
}

std::string Trimmed(const char* text) {
    std::string value(text);
    while (!value.empty() && value.back() == ' ') {
        value.pop_back();
    }
    return value;
}

// Names must fit the drive record's 63 characters and stay unique: a long
// address keeps its end, where names differ.
std::string FitName(const std::string& lead, const std::string& address) {
    constexpr size_t kWidth = 63;
    const size_t room = kWidth > lead.size() + 3 ? kWidth - lead.size() - 3 : 0;
    const std::string shown = address.size() <= room ? address : "..." + address.substr(address.size() - (room - 3));
    return lead + " (" + shown + ")";
}

// ---- discovery ---------------------------------------------------------------

struct ScanState {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::vector<DriveSummary> drives;
};

void ScanMachine(const std::shared_ptr<ScanState>& state) {
    std::vector<DriveSummary> found;
    {
        const EngineTurn turn;
        StartEngine();
        burn_drive_info* infos = nullptr;
        unsigned int count = 0;
        while (burn_drive_scan(&infos, &count) == 0) {
            std::this_thread::sleep_for(10ms);
        }
        for (unsigned int i = 0; infos != nullptr && i < count; ++i) {
            char address[BURN_DRIVE_ADR_LEN] = {};
            if (burn_drive_get_adr(&infos[i], address) <= 0) {
                continue;
            }
            DriveSummary drive;
            drive.address = address;
            drive.model = Trimmed(infos[i].vendor) + " " + Trimmed(infos[i].product);
            drive.name = FitName(drive.model, drive.address);
            int profiles[64] = {};
            char current[64] = {};
            int profileCount = 0;
            burn_drive_get_all_profiles(infos[i].drive, &profileCount, profiles, current);
            drive.mediaMask = MaskOfProfiles(profiles, profileCount);
            if (infos[i].write_cdr || infos[i].write_cdrw) {
                drive.mediaMask |= neroapi::kMediaCdR;
            }
            if (infos[i].write_dvdr) {
                drive.mediaMask |= neroapi::kMediaDvdMinusR;
            }
            if (infos[i].write_dvdram) {
                drive.mediaMask |= neroapi::kMediaDvdRam;
            }
            std::vector<int> speeds;
            burn_speed_descriptor* list = nullptr;
            if (burn_drive_get_speedlist(infos[i].drive, &list) > 0) {
                for (burn_speed_descriptor* s = list; s != nullptr; s = s->next) {
                    if (s->write_speed > 0) {
                        speeds.push_back(s->write_speed);
                    }
                }
                burn_drive_free_speedlist(&list);
            }
            // One list of kB/s serves both: what is below 1x DVD only counts for CD.
            drive.dvdSpeeds = SpeedMultiples(speeds, true);
            drive.cdSpeeds = SpeedMultiples(speeds, false);
            found.push_back(std::move(drive));
        }
        for (unsigned int i = 0; infos != nullptr && i < count; ++i) {
            burn_drive_info_forget(&infos[i], 1);
        }
        if (infos != nullptr) {
            burn_drive_info_free(infos);
        }
        (void)DrainMessages();
    }
    std::lock_guard lock(state->mutex);
    state->drives = std::move(found);
    state->finished = true;
    state->done.notify_all();
}

// Keeps this library mapped until the process ends, whatever unloads it:
// a drive scan may hang in the system for as long as a stuck drive wants,
// and its thread runs this library's code.
void StayLoaded() {
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&StayLoaded), &self) != 0 && self.dli_fname != nullptr) {
        (void)dlopen(self.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

// The scan's thread is joined when the process ends; a scan that still
// hangs in the system then (a stuck drive) is left to the process's end.
class ScanThread {
public:
    ScanThread() : m_state(std::make_shared<ScanState>()) {
        StayLoaded();
        m_thread = std::thread([state = m_state] { ScanMachine(state); });
    }
    ~ScanThread() {
        bool finished = false;
        {
            std::unique_lock lock(m_state->mutex);
            finished = m_state->done.wait_for(lock, 1s, [this] { return m_state->finished; });
        }
        if (finished) {
            m_thread.join();
        } else {
            m_thread.detach();
        }
    }
    ScanState& State() { return *m_state; }

private:
    std::shared_ptr<ScanState> m_state;
    std::thread m_thread;
};

EngineLifetime::~EngineLifetime() {
    m_scan.reset();
    const EngineTurn turn(std::chrono::milliseconds(1000));
    if (turn.Held() && m_started) {
        burn_finish();
    }
}

ScanState& EngineLifetime::Scan() {
    std::call_once(m_scanOnce, [this] { m_scan = std::make_unique<ScanThread>(); });
    return m_scan->State();
}

std::vector<DriveSummary> MachineDrives() {
    ScanState* state = &g_lifetime.Scan();
    std::unique_lock lock(state->mutex);
    state->done.wait_for(lock, kScanPatience, [state] { return state->finished; });
    return state->finished ? state->drives : std::vector<DriveSummary>{};
}

std::vector<DriveSummary> PseudoDrives() {
    std::vector<DriveSummary> drives;
    const auto variable = platform::EnvironmentValue("BB_NEROAPI_PSEUDO_DRIVES");
    if (!variable) {
        return drives;
    }
    int number = 0;
    for (const std::string& path : PseudoDrivePaths(*variable)) {
        DriveSummary drive;
        drive.pseudo = true;
        drive.address = "stdio:" + path;
        drive.model = "Pseudo drive on " + path;
        drive.name = FitName("Pseudo drive " + std::to_string(++number), path);
        drive.mediaMask = neroapi::kMediaMaskDvd | neroapi::kMediaMaskCd;
        drive.dvdSpeeds = {1, 2, 4, 8, 16};
        drive.cdSpeeds = {1, 4, 8, 16, 24, 48};
        drives.push_back(std::move(drive));
    }
    return drives;
}

// ---- one grabbed drive -----------------------------------------------------------

class GrabbedDrive {
public:
    GrabbedDrive() = default;
    GrabbedDrive(const GrabbedDrive&) = delete;
    GrabbedDrive& operator=(const GrabbedDrive&) = delete;
    ~GrabbedDrive() { Release(false); }

    bool Grab(const std::string& address, Observation& observed) {
        std::vector<char> text(address.begin(), address.end());
        text.push_back('\0');
        m_pseudo = address.rfind("stdio:", 0) == 0;
        if (burn_drive_scan_and_grab(&m_infos, text.data(), 1) != 1 || m_infos == nullptr) {
            m_infos = nullptr;
            observed.driveFound = false;
            AddMessages(observed, DrainMessages());
            return false;
        }
        return true;
    }

    void Release(bool eject) {
        if (m_infos != nullptr) {
            burn_drive_release(m_infos[0].drive, eject && !m_pseudo ? 1 : 0);
            burn_drive_info_free(m_infos);
            m_infos = nullptr;
        }
    }

    burn_drive* Drive() const { return m_infos[0].drive; }
    bool Pseudo() const { return m_pseudo; }

    // The disc once the drive has made up its mind about it.
    MediaInfo ReadMedia() {
        MediaInfo info;
        burn_disc_status status = burn_disc_get_status(Drive());
        const auto end = Clock::now() + kDiscPatience;
        while (status == BURN_DISC_UNREADY && Clock::now() < end) {
            std::this_thread::sleep_for(100ms);
            status = burn_disc_get_status(Drive());
        }
        info.status = FromEngine(status);
        char profileName[80] = {};
        if (burn_disc_get_profile(Drive(), &info.profile, profileName) != 1) {
            info.profile = 0;
        }
        info.erasable = burn_disc_erasable(Drive()) != 0;
        uint64_t free = static_cast<uint64_t>(std::max<off_t>(burn_disc_available_space(Drive(), nullptr), 0)) /
                        kSectorBytes;
        if (m_pseudo) {
            if (const auto capacity = PseudoCapacitySectors()) {
                free = *capacity;
            }
        }
        if (info.status == DiscStatus::Blank) {
            info.capacitySectors = free;
        } else if (info.status == DiscStatus::Full || info.status == DiscStatus::Appendable) {
            int capacity = 0;
            if (burn_get_read_capacity(Drive(), &capacity, 0) == 1 && capacity > 0) {
                info.usedSectors = static_cast<uint64_t>(capacity);
            }
            info.capacitySectors = std::max<uint64_t>(info.usedSectors + free, info.usedSectors);
        }
        return info;
    }

    // Polls until the engine's job on the drive is over; false when the user
    // aborted (the job was cancelled and has ended).
    bool WaitIdle(const JobHooks& hooks, bool reportProgress) {
        bool cancelled = false;
        burn_progress progress{};
        while (burn_drive_get_status(Drive(), &progress) != BURN_DRIVE_IDLE) {
            if (!cancelled && hooks.aborted && hooks.aborted()) {
                burn_drive_cancel(Drive());
                cancelled = true;
            }
            if (reportProgress && hooks.progress && progress.sectors > 0) {
                hooks.progress(static_cast<int>(int64_t{100} * progress.sector / progress.sectors));
            }
            std::this_thread::sleep_for(50ms);
        }
        return !cancelled;
    }

private:
    burn_drive_info* m_infos = nullptr;
    bool m_pseudo = false;
};

// ---- the image stream ----------------------------------------------------------

// Bytes between the producer (caller's thread) and the engine's writer.
class StreamBuffer {
public:
    explicit StreamBuffer(uint64_t size) : m_size(size) {}

    // Waits for room at most `slice`; false when there was none yet.
    bool Put(const uint8_t* data, size_t size, std::chrono::milliseconds slice) {
        std::unique_lock lock(m_mutex);
        if (!m_room.wait_for(lock, slice, [&] { return m_stopped || m_bytes.size() + size <= kCapacity; })) {
            return false;
        }
        if (!m_stopped) {
            m_bytes.insert(m_bytes.end(), data, data + size);
            m_data.notify_all();
        }
        return true;
    }

    bool Stopped() {
        std::lock_guard lock(m_mutex);
        return m_stopped;
    }

    // No more bytes will come: the reader gets the rest, then the end.
    void Finish() {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_data.notify_all();
    }

    // The reader fails from now on (abort, producer failure).
    void Stop() {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_data.notify_all();
        m_room.notify_all();
    }

    int Read(unsigned char* buffer, int size) {
        std::unique_lock lock(m_mutex);
        m_data.wait(lock, [&] { return m_stopped || m_finished || m_bytes.size() >= static_cast<size_t>(size); });
        if (m_stopped) {
            return -1;
        }
        const size_t count = std::min(m_bytes.size(), static_cast<size_t>(size));
        std::copy_n(m_bytes.begin(), count, buffer);
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(count));
        m_room.notify_all();
        return static_cast<int>(count);
    }

    off_t Size() const { return static_cast<off_t>(m_size); }

    static constexpr size_t kCapacity = 8 * 1024 * 1024;

private:
    std::mutex m_mutex;
    std::condition_variable m_data;
    std::condition_variable m_room;
    std::deque<uint8_t> m_bytes;
    uint64_t m_size;
    bool m_finished = false;
    bool m_stopped = false;
};

// The engine's view of the buffer. It may outlive the job by a little: it
// holds its own reference.
struct SourceData {
    std::shared_ptr<StreamBuffer> buffer;
    off_t fixedSize = 0;
};

int SourceRead(burn_source* source, unsigned char* buffer, int size) {
    return static_cast<SourceData*>(source->data)->buffer->Read(buffer, size);
}
off_t SourceSize(burn_source* source) {
    auto* data = static_cast<SourceData*>(source->data);
    return data->fixedSize > 0 ? data->fixedSize : data->buffer->Size();
}
int SourceSetSize(burn_source* source, off_t size) {
    static_cast<SourceData*>(source->data)->fixedSize = size;
    return 1;
}
void SourceFree(burn_source* source) {
    delete static_cast<SourceData*>(source->data);
}
int SourceCancel(burn_source* source) {
    static_cast<SourceData*>(source->data)->buffer->Stop();
    return 1;
}

burn_source* NewSource(const std::shared_ptr<StreamBuffer>& buffer) {
    auto* source = static_cast<burn_source*>(calloc(1, sizeof(burn_source)));
    if (source == nullptr) {
        return nullptr;
    }
    source->refcount = 1;
    source->read = nullptr;
    source->version = 1;
    source->read_xt = SourceRead;
    source->get_size = SourceSize;
    source->set_size = SourceSetSize;
    source->free_data = SourceFree;
    source->cancel = SourceCancel;
    source->data = new SourceData{buffer, 0};
    return source;
}

// The producer's sink: hands bytes to the engine, polling the drive while
// the buffer is full.
class EngineSink final : public image::Sink {
public:
    EngineSink(StreamBuffer& buffer, std::function<bool()> keepGoing) : m_buffer(buffer), m_keepGoing(std::move(keepGoing)) {}

    bool Write(const void* data, size_t size) override {
        const auto* bytes = static_cast<const uint8_t*>(data);
        while (size > 0) {
            const size_t piece = std::min(size, StreamBuffer::kCapacity / 4);
            while (!m_buffer.Put(bytes, piece, 50ms)) {
                if (!m_keepGoing()) {
                    return false;
                }
            }
            if (m_buffer.Stopped()) {
                return false;
            }
            bytes += piece;
            size -= piece;
        }
        return true;
    }

private:
    StreamBuffer& m_buffer;
    std::function<bool()> m_keepGoing;
};

// Compares the image, as produced again, with what the drive reads back.
class CompareSink final : public image::Sink {
public:
    explicit CompareSink(burn_drive* drive) : m_drive(drive) {}

    bool Write(const void* data, size_t size) override {
        const auto* expected = static_cast<const char*>(data);
        while (size > 0) {
            const size_t piece = std::min<size_t>(size, 32 * kSectorBytes);
            // Reads go by whole sectors; the image is whole sectors long.
            const off_t aligned = static_cast<off_t>((piece + kSectorBytes - 1) / kSectorBytes * kSectorBytes);
            m_read.resize(static_cast<size_t>(aligned));
            off_t count = 0;
            if (burn_read_data(m_drive, m_offset, m_read.data(), aligned, &count, 2) != 1 || count < static_cast<off_t>(piece)) {
                m_problem = "cannot read sector " + std::to_string(m_offset / kSectorBytes);
                return false;
            }
            if (std::memcmp(m_read.data(), expected, piece) != 0) {
                m_problem = "sector " + std::to_string(m_offset / kSectorBytes) + " differs";
                return false;
            }
            m_offset += static_cast<off_t>(piece);
            expected += piece;
            size -= piece;
        }
        return true;
    }
    const std::string& Problem() const { return m_problem; }

private:
    burn_drive* m_drive;
    off_t m_offset = 0;
    std::vector<char> m_read;
    std::string m_problem;
};

Verdict SourceFailure(const image::WriteResult& result) {
    Verdict verdict;
    verdict.problem = Problem::WriteFailed;
    verdict.eraseResult = neroapi::kEraseRecorderError;
    verdict.line = result.message.empty() ? "The compilation could not be read" : result.message;
    verdict.burnResult = result.status == image::Status::SourceUnreadable ? neroapi::kBurnSourceUnreadable
                         : result.status == image::Status::Aborted        ? neroapi::kBurnAborted
                                                                          : neroapi::kBurnFailed;
    if (result.status == image::Status::Aborted) {
        verdict.problem = Problem::Aborted;
        verdict.line = "The burn process was aborted by the user";
    }
    return verdict;
}

Verdict Busy(const std::string& name) {
    Observation observed;
    observed.driveFound = false;
    observed.openErrno = EBUSY;
    return Judge(observed, name);
}

// Blanks a rewritable disc quickly or fully; the verdict of the erase.
Verdict Blank(GrabbedDrive& drive, const std::string& name, bool quick, const JobHooks& hooks) {
    Observation observed;
    burn_disc_erase(drive.Drive(), quick ? 1 : 0);
    observed.cancelled = !drive.WaitIdle(hooks, true);
    observed.wroteWell = burn_drive_wrote_well(drive.Drive()) == 1;
    AddMessages(observed, DrainMessages());
    return Judge(observed, name);
}

void Say(const JobHooks& hooks, const std::string& line) {
    if (hooks.log) {
        hooks.log(line);
    }
}

void SayPhase(const JobHooks& hooks, const std::string& text) {
    if (hooks.phase) {
        hooks.phase(text);
    }
    if (hooks.progress) {
        hooks.progress(0);
    }
}

}  // namespace

bool Available() { return true; }

std::vector<DriveSummary> ListDrives() {
    std::vector<DriveSummary> drives = MachineDrives();
    std::vector<DriveSummary> pseudo = PseudoDrives();
    drives.insert(drives.end(), pseudo.begin(), pseudo.end());
    return drives;
}

MediaResult ReadMedia(const std::string& address, const std::string& name) {
    MediaResult result;
    const EngineTurn turn(kEnginePatience);
    if (!turn.Held()) {
        result.failure = Busy(name);
        return result;
    }
    StartEngine();
    GrabbedDrive drive;
    Observation observed;
    if (!drive.Grab(address, observed)) {
        result.failure = Judge(observed, name);
        return result;
    }
    result.info = drive.ReadMedia();
    return result;
}

int EraseEstimate(const std::string& address, const std::string& name, bool quick) {
    const MediaResult media = ReadMedia(address, name);
    if (media.failure.problem != Problem::None) {
        return media.failure.eraseResult;
    }
    if (media.info.status == DiscStatus::Empty || media.info.status == DiscStatus::Unknown) {
        return neroapi::kEraseNoDisc;
    }
    const auto medium = MediumOfProfile(media.info.profile);
    if (!media.info.erasable || !medium || !medium->rewritable) {
        return neroapi::kEraseNotRewritable;
    }
    if (quick) {
        return medium->dvd ? 90 : 60;
    }
    // A full blank writes the whole disc at about 2x DVD or 4x CD.
    const double sectorsPerSecond = medium->dvd ? 2 * 1385.0 * 1024 / kSectorBytes : 4 * 150.0 * 1024 / kSectorBytes;
    const uint64_t sectors = std::max(media.info.capacitySectors, medium->dvd ? uint64_t{2295104} : uint64_t{359846});
    return static_cast<int>(static_cast<double>(sectors) / sectorsPerSecond) + 30;
}

Verdict Erase(const std::string& address, const std::string& name, bool quick) {
    const EngineTurn turn(kEnginePatience);
    if (!turn.Held()) {
        return Busy(name);
    }
    StartEngine();
    GrabbedDrive drive;
    Observation observed;
    if (!drive.Grab(address, observed)) {
        return Judge(observed, name);
    }
    const MediaInfo media = drive.ReadMedia();
    if (media.status == DiscStatus::Empty || media.status == DiscStatus::Unknown) {
        observed.disc = DiscStatus::Empty;
        return Judge(observed, name);
    }
    if (!media.erasable) {
        observed.profile = media.profile;
        return Refuse(Problem::NotErasable, observed, name);
    }
    return Blank(drive, name, quick, JobHooks{});
}

Verdict Burn(const BurnRequest& request, const JobHooks& hooks) {
    const EngineTurn turn(kEnginePatience);
    if (!turn.Held()) {
        return Busy(request.name);
    }
    StartEngine();
    (void)DrainMessages();
    GrabbedDrive drive;
    Observation observed;
    observed.neededSectors = request.sectors;
    if (!drive.Grab(request.address, observed)) {
        return Judge(observed, request.name);
    }
    MediaInfo media = drive.ReadMedia();
    observed.disc = media.status;
    observed.profile = media.profile;
    const auto medium = MediumOfProfile(media.profile);
    const bool holdsData = media.status == DiscStatus::Full || media.status == DiscStatus::Appendable;
    if (medium && (holdsData || media.status == DiscStatus::Blank)) {
        Say(hooks, "Disc in the recorder: " + std::string(medium->name) + (holdsData ? ", holding data" : ", blank"));
    }
    if (holdsData && media.erasable && medium && medium->rewritable) {
        if (request.simulate) {
            Say(hooks, "Simulation: the data on the rewritable disc would be overwritten");
            observed.disc = DiscStatus::Blank;
        } else {
            if (!hooks.mayOverwrite || !hooks.mayOverwrite()) {
                return Verdict{Problem::Aborted, neroapi::kBurnAborted, neroapi::kEraseRecorderError,
                               "Overwriting the rewritable disc was declined"};
            }
            SayPhase(hooks, "Erasing the disc");
            const Verdict blanked = Blank(drive, request.name, true, hooks);
            if (blanked.problem != Problem::None) {
                return blanked;
            }
            media = drive.ReadMedia();
            observed.disc = media.status;
        }
    }
    observed.freeSectors = media.capacitySectors;
    if (const Verdict before = Judge(observed, request.name); before.problem != Problem::None) {
        return before;
    }

    const bool dvd = medium ? medium->dvd : true;
    burn_drive_set_speed(drive.Drive(), 0, EngineSpeed(request.speedKBs, request.baseRate, dvd));

    auto buffer = std::make_shared<StreamBuffer>(request.sectors * kSectorBytes);
    burn_source* source = NewSource(buffer);
    if (source == nullptr) {
        return Verdict{Problem::WriteFailed, neroapi::kBurnFailed, neroapi::kEraseRecorderError,
                       "Out of memory while preparing the write"};
    }
    burn_disc* disc = burn_disc_create();
    burn_session* session = burn_session_create();
    burn_track* track = burn_track_create();
    burn_write_opts* options = burn_write_opts_new(drive.Drive());
    const auto cleanUp = [&] {
        burn_write_opts_free(options);
        burn_track_free(track);
        burn_session_free(session);
        burn_disc_free(disc);
    };
    burn_track_define_data(track, 0, 0, 1, BURN_MODE1);
    burn_track_set_source(track, source);
    burn_source_free(source);  // the track holds it now
    burn_session_add_track(session, track, BURN_POS_END);
    burn_disc_add_session(disc, session, BURN_POS_END);
    burn_write_opts_set_simulate(options, request.simulate ? 1 : 0);
    if (request.underrunProof && burn_write_opts_set_underrun_proof(options, 1) != 1) {
        Say(hooks, "The recorder offers no buffer underrun protection for this disc");
    }
    burn_write_opts_set_multi(options, 0);
    char reasons[BURN_REASONS_LEN] = {};
    if (burn_write_opts_auto_write_type(options, disc, reasons, 0) == BURN_WRITE_NONE) {
        observed.disc = DiscStatus::Unsuitable;
        observed.messages.push_back(reasons);
        AddMessages(observed, DrainMessages());
        cleanUp();
        return Judge(observed, request.name);
    }

    SayPhase(hooks, request.simulate ? "Simulating the burn" : "Writing the disc");
    burn_disc_write(options, disc);

    // The producer polls here between buffers: progress, abort, and whether
    // the engine is still reading at all.
    bool cancelled = false;
    bool engineEnded = false;
    bool sawWork = false;
    const auto writeStart = Clock::now();
    auto lastPoll = Clock::time_point{};
    const auto poll = [&]() -> bool {
        const auto now = Clock::now();
        if (now - lastPoll < 20ms) {
            return !cancelled && !engineEnded;
        }
        lastPoll = now;
        if (!cancelled && hooks.aborted && hooks.aborted()) {
            cancelled = true;
            buffer->Stop();
            burn_drive_cancel(drive.Drive());
            return false;
        }
        burn_progress progress{};
        const burn_drive_status status = burn_drive_get_status(drive.Drive(), &progress);
        if (status != BURN_DRIVE_IDLE) {
            sawWork = true;
        } else if (sawWork || now - writeStart > 3s) {
            engineEnded = true;
            buffer->Stop();
            return false;
        }
        if (hooks.progress && progress.sectors > 0) {
            hooks.progress(static_cast<int>(int64_t{100} * progress.sector / progress.sectors));
        }
        return true;
    };
    EngineSink sink(*buffer, poll);
    image::Callbacks callbacks;
    callbacks.aborted = [&] { return !poll(); };
    callbacks.log = hooks.log;
    const image::WriteResult produced = request.produce(sink, callbacks);
    if (produced.status == image::Status::Ok) {
        buffer->Finish();
    } else {
        buffer->Stop();
        burn_drive_cancel(drive.Drive());
    }
    observed.cancelled = !drive.WaitIdle(hooks, true) || cancelled;
    // The engine is idle: it reads no more, and the buffer may go.
    buffer->Stop();
    // A stop asked for after the last poll still counts: the user wanted no
    // finished disc, and is not told there is one.
    if (!observed.cancelled && hooks.aborted && hooks.aborted()) {
        observed.cancelled = true;
    }
    observed.wroteWell = burn_drive_wrote_well(drive.Drive()) == 1;
    AddMessages(observed, DrainMessages());
    cleanUp();
    for (const std::string& message : observed.messages) {
        Say(hooks, "Recorder: " + message);
    }
    if (produced.status != image::Status::Ok && !observed.cancelled && !engineEnded) {
        return SourceFailure(produced);
    }
    if (const Verdict written = Judge(observed, request.name); written.problem != Problem::None) {
        return written;
    }
    if (hooks.progress) {
        hooks.progress(100);
    }

    if (request.verify && !request.simulate) {
        // The engine learns the new state of the disc by grabbing it again.
        drive.Release(false);
        Observation again;
        if (!drive.Grab(request.address, again)) {
            return Judge(again, request.name);
        }
        SayPhase(hooks, "Verifying the written data");
        CompareSink compare(drive.Drive());
        image::Callbacks verifyCallbacks;
        verifyCallbacks.aborted = hooks.aborted;
        verifyCallbacks.progress = hooks.progress;
        verifyCallbacks.log = hooks.log;
        const image::WriteResult verified = request.produce(compare, verifyCallbacks);
        if (verified.status == image::Status::Aborted) {
            return SourceFailure(verified);
        }
        if (verified.status != image::Status::Ok) {
            if (compare.Problem().empty()) {
                return SourceFailure(verified);
            }
            return Verdict{Problem::VerifyMismatch, neroapi::kBurnWriteError, neroapi::kEraseRecorderError,
                           "Verification failed: " + compare.Problem()};
        }
        Say(hooks, "Verification passed: the disc matches the compilation");
    }
    drive.Release(request.eject);
    return {};
}

}  // namespace bb::recorder::library::optical

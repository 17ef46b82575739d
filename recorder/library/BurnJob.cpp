#include "recorder/library/BurnJob.h"

#include "platform/base/ProcessEnvironment.h"
#include "recorder/image/ImageWriter.h"
#include "recorder/library/DiscState.h"
#include "recorder/library/ErrorLog.h"
#include "recorder/library/ImageSinks.h"
#include "recorder/library/JobChannel.h"
#include "recorder/library/LibIsoTrack.h"
#include "recorder/library/Media.h"
#include "recorder/library/NeroApiExports.h"
#include "recorder/library/optical/OpticalDrives.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <thread>

namespace bb::recorder::library {
namespace {


std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// "16" for 16.0, "2.4" for 2.4.
std::string Multiple(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string result = text;
    if (result.size() > 2 && result.compare(result.size() - 2, 2, ".0") == 0) {
        result.resize(result.size() - 2);
    }
    return result;
}

std::string Describe(uint32_t flags, std::initializer_list<std::pair<uint32_t, const char*>> names) {
    std::string words;
    uint32_t known = 0;
    for (const auto& [bit, name] : names) {
        known |= bit;
        if ((flags & bit) != 0) {
            words += words.empty() ? "" : ", ";
            words += name;
        }
    }
    if ((flags & ~known) != 0) {
        words += words.empty() ? "" : ", ";
        words += "other bits " + Hex(flags & ~known);
    }
    return Hex(flags) + (words.empty() ? "" : " (" + words + ")");
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - suffix.size() + i])) != suffix[i]) {
            return false;
        }
    }
    return true;
}

// Reproducible builds set SOURCE_DATE_EPOCH; every image structure then
// carries that time instead of now.
int64_t RecordingTime() {
    if (const auto epoch = platform::EnvironmentValue("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch->c_str(), &end, 10);
        if (end != nullptr && *end == '\0' && seconds >= 0) {
            return seconds;
        }
    }
    return static_cast<int64_t>(std::time(nullptr));
}

class BurnJob {
public:
    BurnJob(Device& device, uint32_t burnFlags, uint32_t speedKBs, const neroapi::LibProgressRecord* progress)
        : m_recorder(device.recorder),
          m_config(device.recorder.config),
          m_flags(burnFlags),
          m_speed(speedKBs),
          m_channel(progress, CurrentSession()) {}

    int Run(int compileType, void* writeDescription);

private:
    int Fail(int result, const std::string& why);
    int FailFromStatus(image::Status status, const std::string& message);
    void Announce();
    std::optional<int> Prepare();
    std::optional<int> ChooseImageFile();
    std::optional<int> CheckDisc();
    std::optional<int> WaitForDisc(DiscState& state);
    int Write();
    int WriteToDrive();
    int Completed(bool toDisc);
    image::Callbacks WriteCallbacks();
    void Pace(int percent);

    bool Simulating() const { return (m_flags & neroapi::kBurnSimulate) != 0; }

    const Recorder& m_recorder;
    const RecorderConfig& m_config;
    uint32_t m_flags;
    uint32_t m_speed;
    JobChannel m_channel;
    LibIsoTrack* m_track = nullptr;
    uint32_t m_jobMask = 0;
    bool m_dvd = true;
    std::unique_ptr<image::Plan> m_plan;
    std::string m_target;  // image file, or the simulated disc's image
    bool m_writeNrg = false;
    std::chrono::steady_clock::time_point m_writeStart{};
};

int BurnJob::Fail(int result, const std::string& why) {
    AddError(why);
    m_channel.Log(why, neroapi::kLogError);
    m_channel.Phase(result == neroapi::kBurnAborted ? "Burn process aborted" : "Burn process failed");
    return result;
}

int BurnJob::FailFromStatus(image::Status status, const std::string& message) {
    switch (status) {
    case image::Status::Ok: return neroapi::kBurnOk;
    case image::Status::ReallocFailed:
        m_channel.Log(neroapi::kReallocFailedLine, neroapi::kLogError);
        return Fail(neroapi::kBurnDvdVideo, message.empty() ? std::string(neroapi::kReallocFailedLine) : message);
    case image::Status::SourceUnreadable: return Fail(neroapi::kBurnSourceUnreadable, message);
    case image::Status::WriteFailed: return Fail(neroapi::kBurnWriteError, message);
    case image::Status::Aborted: return Fail(neroapi::kBurnAborted, "The burn process was aborted by the user");
    case image::Status::InvalidTree: return Fail(neroapi::kBurnFailed, message);
    }
    return Fail(neroapi::kBurnFailed, message);
}

int BurnJob::Run(int compileType, void* writeDescription) {
    if (compileType != 0) {
        return Fail(neroapi::kBurnFailed, "Compilation type " + std::to_string(compileType) +
                                           " is not supported; this library burns ISO compilations (0)");
    }
    auto* description = static_cast<neroapi::WriteDescription*>(writeDescription);
    if (description == nullptr) {
        return Fail(neroapi::kBurnFailed, "NeroBurn was called without a write description");
    }
    m_track = FindTrack(description->track);
    if (m_track == nullptr || !m_track->HasContent()) {
        return Fail(neroapi::kBurnFailed, "The write description holds no ISO track made by this library");
    }
    m_jobMask = description->mediaMask != 0 ? description->mediaMask : m_config.mediaMask;
    m_dvd = HasDvdBits(m_jobMask);

    Announce();
    if (auto failed = Prepare()) return *failed;
    if (m_recorder.IsOptical()) {
        return WriteToDrive();
    }
    if (auto failed = m_recorder.isImageRecorder ? ChooseImageFile() : CheckDisc()) return *failed;
    if (m_config.burnResult != 0) {
        return Fail(m_config.burnResult, "The recorder reported a failure (rehearsed result " +
                                             std::to_string(m_config.burnResult) + ")");
    }
    return Write();
}

void BurnJob::Announce() {
    if (m_speed == 0) {
        m_channel.Log("Burn process started at maximum speed");
    } else {
        const uint32_t base = BaseRateFor(m_recorder, m_jobMask);
        m_channel.Log("Burn process started at " + Multiple(static_cast<double>(m_speed) / base) + "x (" +
                      std::to_string(m_speed) + " KB/s)");
    }
    m_channel.Log("Recorder: " + m_config.name);
    m_channel.Log("Burn flags received: " +
                  Describe(m_flags, {{neroapi::kBurnSimulate, "simulate"},
                                     {neroapi::kBurnBurnProof, "buffer underrun protection"},
                                     {neroapi::kBurnNoEject, "no eject"},
                                     {neroapi::kBurnVerify, "verify"},
                                     {neroapi::kBurnDvdRomBooktypeOn, "DVD-ROM booktype"},
                                     {neroapi::kBurnDvdRomBooktypeOff, "no DVD-ROM booktype"}}));
    m_channel.Log("ISO track flags: " +
                  Describe(m_track->Flags(), {{neroapi::kIsoIso9660, "ISO 9660"},
                                              {neroapi::kIsoUdf, "UDF"},
                                              {neroapi::kIsoJoliet, "Joliet"},
                                              {neroapi::kIsoMode2, "Mode 2"},
                                              {neroapi::kIsoRealloc, "DVD-Video reallocation"},
                                              {neroapi::kIsoDvdCompatible, "DVD compatible"}}));
    if ((m_track->Flags() & neroapi::kIsoMode2) != 0 && m_dvd) {
        m_channel.Log("Mode 2 is ignored for DVD", neroapi::kLogWarning);
    }
    if (Simulating()) {
        m_channel.Log("Simulation: nothing will be written");
    }
}

std::optional<int> BurnJob::Prepare() {
    m_channel.Phase("Preparing the compilation");
    m_channel.Progress(0);
    const bool realloc = (m_track->Flags() & neroapi::kIsoRealloc) != 0;
    if (realloc && m_config.reallocFails) {
        m_channel.Log(neroapi::kReallocFailedLine, neroapi::kLogError);
        return Fail(neroapi::kBurnDvdVideo, "DVD-Video reallocation was refused by " + m_config.name + " (rehearsed)");
    }
    image::Options options;
    options.iso9660 = (m_track->Flags() & neroapi::kIsoIso9660) != 0;
    options.udf = (m_track->Flags() & neroapi::kIsoUdf) != 0;
    options.joliet = (m_track->Flags() & neroapi::kIsoJoliet) != 0;
    options.dvdVideoRealloc = realloc;
    options.volumeLabel = m_track->Label();
    options.recordingTime = RecordingTime();
    image::PlanResult planned = image::PlanImage(m_track->Root(), options);
    if (planned.status != image::Status::Ok || !planned.plan) {
        return FailFromStatus(planned.status == image::Status::Ok ? image::Status::InvalidTree : planned.status,
                              planned.message.empty() ? "The compilation could not be laid out" : planned.message);
    }
    m_plan = std::move(planned.plan);
    m_channel.Log("Compilation: " + std::to_string(m_plan->Files().size()) + " files, " +
                  std::to_string(m_plan->TotalSectors()) + " sectors of 2048 bytes");
    m_channel.Progress(100);
    if (m_channel.Aborted()) {
        return Fail(neroapi::kBurnAborted, "The burn process was aborted by the user");
    }
    return std::nullopt;
}

std::optional<int> BurnJob::ChooseImageFile() {
    char fileName[neroapi::kImageFileNameCapacity] = {};
    const int answer = m_channel.Ask(neroapi::kRequestImageFileName, fileName);
    fileName[sizeof fileName - 1] = '\0';
    if (answer != neroapi::kAnswerOk) {
        return Fail(neroapi::kBurnAborted, "No image file was chosen: the file selection was cancelled");
    }
    if (fileName[0] == '\0') {
        return Fail(neroapi::kBurnFailed, "No image file was chosen: the file name is empty");
    }
    m_target = fileName;
    m_writeNrg = EndsWithNoCase(m_target, ".nrg");
    m_channel.Log("Image file: " + m_target);
    return std::nullopt;
}

std::optional<int> BurnJob::WaitForDisc(DiscState& state) {
    m_channel.Phase("Waiting for a disc");
    m_channel.Ask(neroapi::kRequestWaitCd, reinterpret_cast<void*>(static_cast<intptr_t>(neroapi::kWaitInsertBlankDisc)));
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(m_config.waitSeconds * m_config.timeScale));
    // A disc inserted meanwhile (another process writes the state file) ends the wait.
    while (state.tray == TrayContent::Empty) {
        if (std::chrono::steady_clock::now() >= end) {
            return Fail(neroapi::kBurnNoDisc, "No disc was inserted into " + m_config.name);
        }
        if (!m_channel.Wait(0.05)) {
            return Fail(neroapi::kBurnAborted, "The burn process was aborted by the user");
        }
        state = LoadDiscState(m_config);
    }
    return std::nullopt;
}

std::optional<int> BurnJob::CheckDisc() {
    m_target = m_config.discImage;
    CreateDiscFolder(m_config);
    DiscState state = LoadDiscState(m_config);
    if (state.tray == TrayContent::Empty) {
        if (auto failed = WaitForDisc(state)) return failed;
    }
    const std::optional<Medium> medium = FindMedium(state.medium);
    if (!medium) {
        return Fail(neroapi::kBurnNoDisc, "The disc in " + m_config.name + " cannot be identified");
    }
    m_channel.Log("Disc in the recorder: " + std::string(medium->name) +
                  (state.tray == TrayContent::Data ? ", holding data" : ", blank"));
    if ((medium->mask & m_jobMask) == 0) {
        return Fail(neroapi::kBurnNoDisc, "The " + std::string(medium->name) + " disc does not suit a " +
                                           (m_dvd ? "DVD" : "CD") + " compilation");
    }
    m_dvd = medium->dvd;
    if (state.tray == TrayContent::Data) {
        if (!medium->rewritable) {
            return Fail(neroapi::kBurnNoDisc, "The " + std::string(medium->name) +
                                               " disc already holds data and cannot be written again");
        }
        if (Simulating()) {
            m_channel.Log("Simulation: the data on the rewritable disc would be overwritten");
        } else {
            if (m_channel.Ask(neroapi::kRequestOverwriteRw, nullptr) != neroapi::kAnswerOverwrite) {
                return Fail(neroapi::kBurnAborted, "Overwriting the rewritable disc was declined");
            }
            m_channel.Phase("Erasing the disc");
            m_channel.Progress(0);
            if (!m_channel.Wait(std::max(m_config.eraseSecondsQuick, 0) * m_config.timeScale)) {
                return Fail(neroapi::kBurnAborted, "The burn process was aborted by the user");
            }
            if (!EraseDisc(m_config)) {
                return Fail(neroapi::kBurnWriteError, "The rewritable disc could not be erased");
            }
            m_channel.Progress(100);
        }
    }
    const uint64_t capacity = m_config.capacitySectors != 0 ? m_config.capacitySectors : medium->capacitySectors;
    if (m_plan->TotalSectors() > capacity) {
        return Fail(neroapi::kBurnNoDisc, "The compilation needs " + std::to_string(m_plan->TotalSectors()) +
                                           " sectors but the disc holds only " + std::to_string(capacity));
    }
    return std::nullopt;
}

void BurnJob::Pace(int percent) {
    const double seconds = m_config.burnSeconds * m_config.timeScale;
    if (seconds <= 0 || m_recorder.isImageRecorder) {
        return;
    }
    const auto due = m_writeStart + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                        std::chrono::duration<double>(seconds * percent / 100.0));
    const auto now = std::chrono::steady_clock::now();
    if (due > now) {
        (void)m_channel.Wait(std::chrono::duration<double>(due - now).count());
    }
}

image::Callbacks BurnJob::WriteCallbacks() {
    image::Callbacks callbacks;
    callbacks.aborted = [this] { return m_channel.AbortedThrottled(); };
    callbacks.progress = [this](int percent) {
        m_channel.Progress(percent);
        Pace(percent);
    };
    callbacks.log = [this](const std::string& line) { m_channel.Log(line); };
    return callbacks;
}

int BurnJob::Write() {
    const bool toDisc = !m_recorder.isImageRecorder;
    m_channel.Phase(Simulating() ? "Simulating the recording" : toDisc ? "Writing the disc" : "Writing the image file");
    m_channel.Progress(0);
    m_writeStart = std::chrono::steady_clock::now();
    const uint64_t imageBytes = m_plan->TotalSectors() * image::kSectorSize;

    if (Simulating()) {
        CountingSink sink;
        // Written nowhere, but read through completely: a source that cannot be
        // read fails the simulation as it would fail the burn.
        const image::WriteResult written = image::WriteImage(*m_plan, sink, WriteCallbacks());
        if (written.status != image::Status::Ok) {
            return FailFromStatus(written.status, written.message);
        }
    } else {
        PendingFileSink file(m_target);
        if (!file.Open()) {
            return Fail(neroapi::kBurnWriteError, "Cannot create " + file.TemporaryPath());
        }
        // The whole image's room first: a full disk ends the job now, not at
        // 90 %. File systems that cannot reserve are written all the same.
        const uint64_t fileBytes =
            imageBytes + (m_writeNrg ? image::BuildNrgFooter(m_plan->TotalSectors(), m_dvd).size() : 0);
        if (file.Reserve(fileBytes) == image::SystemFile::Reservation::NoSpace) {
            return Fail(neroapi::kBurnWriteError, "Not enough disk space for " + m_target + ": the image needs " +
                                                   std::to_string(fileBytes) + " bytes");
        }
        const bool rehearseError = toDisc && m_config.writeErrorPercent >= 0;
        FailingSink failing(file, rehearseError ? imageBytes * m_config.writeErrorPercent / 100 : UINT64_MAX);
        image::Sink& sink = rehearseError ? static_cast<image::Sink&>(failing) : file;
        const image::WriteResult written = image::WriteImage(*m_plan, sink, WriteCallbacks());
        if (written.status != image::Status::Ok) {
            if (toDisc && (failing.Written() > 0 || written.status == image::Status::Aborted)) {
                // Whatever reached the disc is on it now.
                (void)SaveDiscState(m_config, DiscState{TrayContent::Data, LoadDiscState(m_config).medium});
            }
            if (failing.Failed()) {
                return Fail(neroapi::kBurnWriteError, "Write error at sector " +
                                                       std::to_string(failing.Written() / image::kSectorSize) +
                                                       " of " + std::to_string(m_plan->TotalSectors()));
            }
            return FailFromStatus(written.status, written.message);
        }
        if (m_writeNrg && !image::WriteNrgFooter(file, m_plan->TotalSectors(), m_dvd)) {
            return Fail(neroapi::kBurnWriteError, "Cannot write the image footer to " + file.TemporaryPath());
        }
        if (!file.Close()) {
            return Fail(neroapi::kBurnWriteError, "Cannot complete " + file.TemporaryPath() + " (disk full?)");
        }
        m_channel.Progress(100);
        if ((m_flags & neroapi::kBurnVerify) != 0) {
            m_channel.Phase("Verifying the written data");
            m_channel.Progress(0);
            const image::WriteResult verified = image::VerifyImage(*m_plan, file.TemporaryPath(), WriteCallbacks());
            if (verified.status == image::Status::Aborted) {
                return FailFromStatus(verified.status, verified.message);
            }
            if (verified.status != image::Status::Ok) {
                return Fail(neroapi::kBurnWriteError, "Verification failed: " + verified.message);
            }
            m_channel.Log("Verification passed: the written data matches the sources");
            m_channel.Progress(100);
        }
        // An abort that came after the last poll of the writer still counts:
        // the user asked for no image.
        if (m_channel.Aborted()) {
            return Fail(neroapi::kBurnAborted, "The burn process was aborted by the user");
        }
        if (!file.Commit()) {
            return Fail(neroapi::kBurnWriteError, "Cannot rename " + file.TemporaryPath() + " to " + m_target);
        }
        if (toDisc) {
            (void)SaveDiscState(m_config, DiscState{TrayContent::Data, LoadDiscState(m_config).medium});
        }
    }
    return Completed(toDisc);
}

int BurnJob::WriteToDrive() {
    optical::BurnRequest request;
    request.address = m_recorder.driveAddress;
    request.name = m_config.name;
    request.sectors = m_plan->TotalSectors();
    request.simulate = Simulating();
    request.underrunProof = (m_flags & neroapi::kBurnBurnProof) != 0;
    request.verify = (m_flags & neroapi::kBurnVerify) != 0;
    request.eject = (m_flags & neroapi::kBurnNoEject) == 0;
    request.speedKBs = m_speed;
    request.baseRate = BaseRateFor(m_recorder, m_jobMask);
    request.produce = [this](image::Sink& sink, const image::Callbacks& callbacks) {
        return image::WriteImage(*m_plan, sink, callbacks);
    };
    optical::JobHooks hooks;
    hooks.log = [this](const std::string& line) { m_channel.Log(line); };
    hooks.phase = [this](const std::string& text) { m_channel.Phase(text); };
    hooks.progress = [this](int percent) { m_channel.Progress(percent); };
    hooks.aborted = [this] { return m_channel.AbortedThrottled(); };
    hooks.mayOverwrite = [this] {
        return m_channel.Ask(neroapi::kRequestOverwriteRw, nullptr) == neroapi::kAnswerOverwrite;
    };
    const optical::Verdict verdict = optical::Burn(request, hooks);
    if (verdict.problem != optical::Problem::None) {
        return Fail(verdict.burnResult, verdict.line);
    }
    return Completed(true);
}

int BurnJob::Completed(bool toDisc) {
    m_channel.Progress(100);
    if (toDisc && (m_flags & neroapi::kBurnNoEject) == 0) {
        m_channel.Log("Ejecting the disc");
    }
    m_channel.Phase("Burn process completed successfully");
    m_channel.Log(Simulating() ? "Simulation completed successfully" : "Burn process completed successfully");
    return neroapi::kBurnOk;
}

}  // namespace

int RunBurnJob(Device& device, int compileType, void* writeDescription, uint32_t burnFlags,
               uint32_t speedKBs, const neroapi::LibProgressRecord* progress) {
    BurnJob job(device, burnFlags, speedKBs, progress);
    return job.Run(compileType, writeDescription);
}

}  // namespace bb::recorder::library

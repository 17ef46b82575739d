#include "recorder/library/optical/Diagnosis.h"

#include "neroapi/NeroRecords.h"
#include "recorder/library/NeroApiExports.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace bb::recorder::library::optical {
namespace {

constexpr double kDvdEngineBase = 1385.0;
constexpr double kCdEngineBase = 176.4;

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Sense codes (key, ASC, ASCQ as the engine prints them: "[2 3A 02]") and
// words of its messages, each with the problem it means. Earlier rows win.
struct MessageRule {
    const char* fragment;  // lower case
    Problem problem;
};
constexpr MessageRule kMessageRules[] = {
    {"3a 02", Problem::TrayOpen},
    {"tray open", Problem::TrayOpen},
    {"3a 00", Problem::NoDisc},
    {"3a 01", Problem::NoDisc},
    {"medium not present", Problem::NoDisc},
    {"no media", Problem::NoDisc},
    {"27 00", Problem::WriteProtected},
    {"write protect", Problem::WriteProtected},
    {"30 05", Problem::NotRecordable},
    {"incompatible medium", Problem::NotRecordable},
    {"unsuitable media", Problem::NotRecordable},
    {"not recordable", Problem::NotRecordable},
    {"cannot write medium", Problem::NotRecordable},
    {"exceeds", Problem::TooSmall},
    {"not enough space", Problem::TooSmall},
    {"too large", Problem::TooSmall},
    {"no such device", Problem::DriveGone},
    {"drive vanished", Problem::DriveGone},
    {"device not found", Problem::DriveGone},
    {"permission denied", Problem::NoPermission},
    {"device or resource busy", Problem::DriveBusy},
};

struct ProfileRow {
    int profile;
    ProfileMedium medium;
};
constexpr ProfileRow kProfiles[] = {
    {0x08, {"CD-ROM", false, false, false}},
    {0x09, {"CD-R", true, false, false}},
    {0x0a, {"CD-RW", true, true, false}},
    {0x10, {"DVD-ROM", false, false, true}},
    {0x11, {"DVD-R", true, false, true}},
    {0x12, {"DVD-RAM", true, true, true}},
    {0x13, {"DVD-RW", true, true, true}},
    {0x14, {"DVD-RW", true, true, true}},
    {0x15, {"DVD-R", true, false, true}},
    {0x1a, {"DVD+RW", true, true, true}},
    {0x1b, {"DVD+R", true, false, true}},
    {0x2b, {"DVD+R", true, false, true}},
    // A pseudo-drive on a file behaves like an overwritable DVD.
    {0xffff, {"DVD-RAM", true, true, true}},
};

Verdict Make(Problem problem, int burnResult, int eraseResult, std::string line) {
    return Verdict{problem, burnResult, eraseResult, std::move(line)};
}

Verdict ForProblem(Problem problem, const Observation& o, const std::string& drive, const std::string& detail) {
    const auto medium = MediumOfProfile(o.profile);
    const std::string mediumName = medium ? medium->name : "disc";
    switch (problem) {
    case Problem::None: return {};
    case Problem::DriveGone:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc,
                    "The recorder " + drive + " is no longer available" + detail);
    case Problem::NoPermission:
        return Make(problem, neroapi::kBurnFailed, neroapi::kEraseRecorderError,
                    "No permission to use " + drive +
                        ": the user must be allowed to open the drive (on most systems: the cdrom group)");
    case Problem::DriveBusy:
        return Make(problem, neroapi::kBurnFailed, neroapi::kEraseRecorderError,
                    "The recorder " + drive + " is in use by another program");
    case Problem::TrayOpen:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc,
                    "The tray of " + drive + " is open" + detail);
    case Problem::NoDisc:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc, "No disc was inserted into " + drive);
    case Problem::NotRecordable:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable,
                    "The " + mediumName + " in " + drive + " is not recordable" + detail);
    case Problem::WriteProtected:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable,
                    "The " + mediumName + " in " + drive + " is write-protected");
    case Problem::NotBlank:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable,
                    "The " + mediumName + " disc already holds data and cannot be written again");
    case Problem::NotErasable:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable,
                    "The " + mediumName + " in " + drive + " cannot be erased");
    case Problem::TooSmall:
        return Make(problem, neroapi::kBurnNoDisc, neroapi::kEraseRecorderError,
                    "The compilation needs " + std::to_string(o.neededSectors) +
                        " sectors but the disc holds only " + std::to_string(o.freeSectors));
    case Problem::WriteFailed:
        return Make(problem, neroapi::kBurnWriteError, neroapi::kEraseRecorderError,
                    "The recorder " + drive + " failed to write" + detail);
    case Problem::VerifyMismatch:
        return Make(problem, neroapi::kBurnWriteError, neroapi::kEraseRecorderError,
                    "Verification failed: the disc in " + drive + " differs from the compilation" + detail);
    case Problem::Aborted:
        return Make(problem, neroapi::kBurnAborted, neroapi::kEraseRecorderError,
                    "The burn process was aborted by the user");
    }
    return Make(Problem::WriteFailed, neroapi::kBurnFailed, neroapi::kEraseRecorderError, "Unknown failure");
}

}  // namespace

Problem ProblemOfMessage(const std::string& message) {
    const std::string text = Lower(message);
    for (const MessageRule& rule : kMessageRules) {
        if (text.find(rule.fragment) != std::string::npos) {
            return rule.problem;
        }
    }
    return Problem::None;
}

Verdict Refuse(Problem problem, const Observation& observed, const std::string& drive) {
    return ForProblem(problem, observed, drive, "");
}

Verdict Judge(const Observation& o, const std::string& drive) {
    if (!o.driveFound) {
        if (o.openErrno == EACCES || o.openErrno == EPERM) {
            return ForProblem(Problem::NoPermission, o, drive, "");
        }
        if (o.openErrno == EBUSY) {
            return ForProblem(Problem::DriveBusy, o, drive, "");
        }
        return ForProblem(Problem::DriveGone, o, drive, "");
    }
    if (o.cancelled) {
        return ForProblem(Problem::Aborted, o, drive, "");
    }
    // A message that names its cause beats the general state that follows it.
    for (const std::string& message : o.messages) {
        const Problem named = ProblemOfMessage(message);
        if (named != Problem::None && named != Problem::DriveBusy) {
            return ForProblem(named, o, drive, ": " + message);
        }
    }
    switch (o.disc) {
    case DiscStatus::Empty: return ForProblem(Problem::NoDisc, o, drive, "");
    case DiscStatus::Unsuitable: return ForProblem(Problem::NotRecordable, o, drive, "");
    case DiscStatus::Full:
    case DiscStatus::Appendable: {
        const auto medium = MediumOfProfile(o.profile);
        if (medium && !medium->recordable) {
            return ForProblem(Problem::NotRecordable, o, drive, "");
        }
        return ForProblem(Problem::NotBlank, o, drive, "");
    }
    case DiscStatus::Unknown:
    case DiscStatus::Blank: break;
    }
    if (const auto medium = MediumOfProfile(o.profile); o.profile != 0 && (!medium || !medium->recordable)) {
        return ForProblem(Problem::NotRecordable, o, drive, "");
    }
    if (o.neededSectors > o.freeSectors) {
        return ForProblem(Problem::TooSmall, o, drive, "");
    }
    if (!o.finished || !o.wroteWell) {
        const std::string last = o.messages.empty() ? std::string() : ": " + o.messages.back();
        return ForProblem(Problem::WriteFailed, o, drive, last);
    }
    return {};
}

std::optional<ProfileMedium> MediumOfProfile(int profile) {
    for (const ProfileRow& row : kProfiles) {
        if (row.profile == profile) {
            return row.medium;
        }
    }
    return std::nullopt;
}

double SpeedMultiple(int engineKBs, bool dvd) {
    return engineKBs / (dvd ? kDvdEngineBase : kCdEngineBase);
}

int EngineSpeed(uint32_t recordKBs, uint32_t baseRate, bool dvd) {
    if (recordKBs == 0 || baseRate == 0) {
        return 0;  // the drive's fastest
    }
    const double multiple = static_cast<double>(recordKBs) / baseRate;
    return static_cast<int>(std::lround(multiple * (dvd ? kDvdEngineBase : kCdEngineBase)));
}

std::vector<double> SpeedMultiples(const std::vector<int>& engineKBs, bool dvd) {
    std::vector<double> multiples;
    for (const int speed : engineKBs) {
        // Drives report 8x as 11080 or 11090: a tenth is all a user reads.
        const double multiple = std::round(SpeedMultiple(speed, dvd) * 10.0) / 10.0;
        if (multiple >= 1.0 && std::find(multiples.begin(), multiples.end(), multiple) == multiples.end()) {
            multiples.push_back(multiple);
        }
    }
    std::sort(multiples.begin(), multiples.end());
    return multiples;
}

std::vector<std::string> PseudoDrivePaths(const std::string& variable) {
    std::vector<std::string> paths;
    size_t start = 0;
    while (start <= variable.size()) {
        const size_t end = std::min(variable.find(':', start), variable.size());
        if (end > start) {
            paths.push_back(variable.substr(start, end - start));
        }
        start = end + 1;
    }
    return paths;
}

std::optional<uint64_t> ParseByteSize(const std::string& text) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0) {
        return std::nullopt;
    }
    const std::string unit = Lower(end);
    uint64_t factor = 1;
    if (unit == "k") {
        factor = 1024;
    } else if (unit == "m") {
        factor = 1024 * 1024;
    } else if (unit == "g") {
        factor = 1024ull * 1024 * 1024;
    } else if (!unit.empty()) {
        return std::nullopt;
    }
    if (number > UINT64_MAX / factor) {
        return std::nullopt;
    }
    return number * factor;
}

}  // namespace bb::recorder::library::optical

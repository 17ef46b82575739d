// What a drive's state and the recording engine's messages mean for a job:
// the result code the program understands and the line it shows. Nothing
// here touches a drive, so every rule can be checked without one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bb::recorder::library::optical {

// The disc in a drive as the engine reports it.
enum class DiscStatus { Unknown, Empty, Blank, Appendable, Full, Unsuitable };

// What went wrong, from the first check to the last byte.
enum class Problem {
    None,
    DriveGone,       // the drive cannot be found or opened any more
    NoPermission,    // the device exists but this user may not open it
    DriveBusy,       // another program holds the drive
    TrayOpen,
    NoDisc,
    NotRecordable,   // read-only or unusable medium
    WriteProtected,
    NotBlank,        // write-once disc that already holds data
    NotErasable,     // an erase asked of a disc that cannot be blanked
    TooSmall,
    WriteFailed,
    VerifyMismatch,
    Aborted,
};

// Everything a job learned about the drive and the disc before and during
// the write. Fields left at their defaults say "nothing wrong here".
struct Observation {
    bool driveFound = true;
    int openErrno = 0;                 // errno of a failed open
    DiscStatus disc = DiscStatus::Blank;
    int profile = 0;                   // MMC profile of the medium, 0 unknown
    uint64_t neededSectors = 0;
    uint64_t freeSectors = UINT64_MAX;
    bool cancelled = false;            // the user asked to stop
    bool finished = true;              // the engine's job ran to its end
    bool wroteWell = true;
    std::vector<std::string> messages; // the engine's complaints, oldest first
};

struct Verdict {
    Problem problem = Problem::None;
    int burnResult = 0;   // kBurn* of the records
    int eraseResult = 0;  // kErase* (negative) or 0
    std::string line;     // for the job log and the error log
};

// The first problem of an observation, in the order a user would fix them.
Verdict Judge(const Observation& observed, const std::string& driveName);

// The verdict of a problem found outside an observation's rules (an erase
// of a disc that cannot be blanked, say).
Verdict Refuse(Problem problem, const Observation& observed, const std::string& driveName);

// The problem a message of the engine names, if any (sense data or text).
Problem ProblemOfMessage(const std::string& message);

struct ProfileMedium {
    const char* name;    // as the media names of the library: "DVD-RW"
    bool recordable;     // can be written by this library at all
    bool rewritable;
    bool dvd;
};
// The medium of an MMC profile number; none for an unknown profile.
std::optional<ProfileMedium> MediumOfProfile(int profile);

// Engine speeds are in 1000 bytes per second; DVD 1x is 1385 of them and
// CD 1x 176.4 (raw sectors). The records count in the library's base rates.
double SpeedMultiple(int engineKBs, bool dvd);
int EngineSpeed(uint32_t recordKBs, uint32_t baseRate, bool dvd);
// Distinct multiples, ascending, from engine speeds; fractional speeds
// below 1x are dropped.
std::vector<double> SpeedMultiples(const std::vector<int>& engineKBs, bool dvd);

// Paths of the pseudo-drive variable: "a.img:b.img", empty parts skipped.
std::vector<std::string> PseudoDrivePaths(const std::string& variable);
// The capacity a pseudo-drive offers, from its variable ("4700000000",
// "650M", "4G"); none when unset or not a size.
std::optional<uint64_t> ParseByteSize(const std::string& text);

}  // namespace bb::recorder::library::optical

// What the drive's state and the engine's messages become: the result code
// the program acts on and the line it shows.
#include "recorder/library/optical/Diagnosis.h"

#include "neroapi/NeroRecords.h"
#include "recorder/library/NeroApiExports.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace bb::recorder::library::optical {
namespace {

TEST(OpticalDiagnosis, EachStateAndFailureEndsWithItsResultAndLine) {
    using neroapi::kBurnNoDisc, neroapi::kBurnFailed, neroapi::kEraseNoDisc, neroapi::kEraseNotRewritable,
        neroapi::kEraseRecorderError;
    struct Case {
        const char* what;
        Observation observed;
        Problem problem;
        int burnResult;
        int eraseResult;
        const char* lineHas;
    };
    const Case cases[] = {
        {"drive not found", {.driveFound = false, .messages = {}}, Problem::DriveGone, kBurnNoDisc, kEraseNoDisc, "no longer available"},
        {"no permission", {.driveFound = false, .openErrno = EACCES, .messages = {}}, Problem::NoPermission, kBurnFailed,
         kEraseRecorderError, "cdrom group"},
        {"busy", {.driveFound = false, .openErrno = EBUSY, .messages = {}}, Problem::DriveBusy, kBurnFailed, kEraseRecorderError,
         "in use by another program"},
        {"no disc", {.disc = DiscStatus::Empty, .messages = {}}, Problem::NoDisc, kBurnNoDisc, kEraseNoDisc, "No disc was inserted into D"},
        {"tray open",
         {.disc = DiscStatus::Empty, .messages = {"SCSI error on write: [2 3A 02] Medium not present - tray open"}},
         Problem::TrayOpen, kBurnNoDisc, kEraseNoDisc, "tray of D is open"},
        {"closed DVD-R", {.disc = DiscStatus::Full, .profile = 0x11, .messages = {}}, Problem::NotBlank, kBurnNoDisc,
         kEraseNotRewritable, "DVD-R disc already holds data"},
        {"appendable DVD+R", {.disc = DiscStatus::Appendable, .profile = 0x1b, .messages = {}}, Problem::NotBlank, kBurnNoDisc,
         kEraseNotRewritable, "DVD+R disc already holds data"},
        {"DVD-ROM", {.disc = DiscStatus::Full, .profile = 0x10, .messages = {}}, Problem::NotRecordable, kBurnNoDisc,
         kEraseNotRewritable, "DVD-ROM in D is not recordable"},
        {"unsuitable", {.disc = DiscStatus::Unsuitable, .messages = {}}, Problem::NotRecordable, kBurnNoDisc, kEraseNotRewritable,
         "not recordable"},
        {"write-protected",
         {.profile = 0x1a, .finished = false, .messages = {"SCSI error: [7 27 00] Write protected"}},
         Problem::WriteProtected, kBurnNoDisc, kEraseNotRewritable, "DVD+RW in D is write-protected"},
        {"one sector short", {.profile = 0x11, .neededSectors = 2295105, .freeSectors = 2295104, .messages = {}}, Problem::TooSmall,
         kBurnNoDisc, kEraseRecorderError, "needs 2295105 sectors but the disc holds only 2295104"},
        {"exactly full", {.profile = 0x11, .neededSectors = 2295104, .freeSectors = 2295104, .messages = {}}, Problem::None,
         neroapi::kBurnOk, 0, ""},
        {"write failure", {.wroteWell = false, .messages = {"Write error at sector 1200"}}, Problem::WriteFailed,
         neroapi::kBurnWriteError, kEraseRecorderError, "failed to write: Write error at sector 1200"},
        {"user abort", {.cancelled = true, .wroteWell = false, .messages = {}}, Problem::Aborted, neroapi::kBurnAborted,
         kEraseRecorderError, "aborted by the user"},
        {"drive gone while writing",
         {.wroteWell = false, .messages = {"Cannot open device: No such device or address"}}, Problem::DriveGone,
         kBurnNoDisc, kEraseNoDisc, "no longer available: Cannot open"},
        {"all well", {}, Problem::None, neroapi::kBurnOk, 0, ""},
    };
    for (const Case& c : cases) {
        const Verdict verdict = Judge(c.observed, "D");
        EXPECT_EQ(verdict.problem, c.problem) << c.what;
        EXPECT_EQ(verdict.burnResult, c.burnResult) << c.what;
        EXPECT_EQ(verdict.eraseResult, c.eraseResult) << c.what;
        if (c.lineHas[0] == '\0') EXPECT_EQ(verdict.line, "") << c.what;
        else EXPECT_NE(verdict.line.find(c.lineHas), std::string::npos) << c.what << ": " << verdict.line;
    }
}

TEST(OpticalDiagnosis, ErasesRefusedByTheDiscGiveTheEraseResults) {
    struct Case { Problem problem; int profile; int eraseResult; const char* line; };
    const Case cases[] = {
        {Problem::NotErasable, 0x11, neroapi::kEraseNotRewritable, "The DVD-R in D cannot be erased"},
        {Problem::NotErasable, 0, neroapi::kEraseNotRewritable, "The disc in D cannot be erased"},
    };
    for (const Case& c : cases) {
        const Verdict verdict = Refuse(c.problem, {.profile = c.profile, .messages = {}}, "D");
        EXPECT_EQ(verdict.problem, c.problem) << c.line;
        EXPECT_EQ(verdict.eraseResult, c.eraseResult) << c.line;
        EXPECT_EQ(verdict.line, c.line);
    }
}

TEST(OpticalDiagnosis, EngineMessagesNameTheirProblem) {
    struct Case { const char* message; Problem problem; };
    const Case cases[] = {
        {"[2 3A 02] MEDIUM NOT PRESENT - TRAY OPEN", Problem::TrayOpen},
        {"SCSI error: [2 3A 01] Medium not present - tray closed", Problem::NoDisc},
        {"Drive reports: Write Protected", Problem::WriteProtected},
        {"[5 30 05] Cannot write medium - incompatible format", Problem::NotRecordable},
        {"Track size exceeds remaining capacity of media", Problem::TooSmall},
        {"Cannot open busy device '/dev/sr0' : Permission denied", Problem::NoPermission},
        {"Device or resource busy", Problem::DriveBusy}, {"Drive vanished", Problem::DriveGone},
        {"Burning is done", Problem::None}, {"", Problem::None},
    };
    for (const Case& c : cases) EXPECT_EQ(ProblemOfMessage(c.message), c.problem) << c.message;
}

TEST(OpticalDiagnosis, ProfilesBecomeTheLibrarysMedia) {
    struct Case {
        int profile;
        const char* name;  // null: unknown
        bool recordable;
        bool rewritable;
        bool dvd;
    };
    const Case cases[] = {
        {0x08, "CD-ROM", false, false, false}, {0x09, "CD-R", true, false, false},
        {0x0a, "CD-RW", true, true, false},    {0x10, "DVD-ROM", false, false, true},
        {0x11, "DVD-R", true, false, true},    {0x13, "DVD-RW", true, true, true},
        {0x14, "DVD-RW", true, true, true},    {0x1a, "DVD+RW", true, true, true},
        {0x1b, "DVD+R", true, false, true},    {0x12, "DVD-RAM", true, true, true},
        {0xffff, "DVD-RAM", true, true, true}, {0x43, nullptr, false, false, false},
        {0, nullptr, false, false, false},
    };
    for (const Case& c : cases) {
        const auto medium = MediumOfProfile(c.profile);
        ASSERT_EQ(medium.has_value(), c.name != nullptr) << c.profile;
        if (medium) {
            EXPECT_STREQ(medium->name, c.name) << c.profile;
            EXPECT_EQ(std::vector<bool>({medium->recordable, medium->rewritable, medium->dvd}),
                      std::vector<bool>({c.recordable, c.rewritable, c.dvd})) << c.profile;
        }
    }
}

TEST(OpticalDiagnosis, SpeedsConvertBetweenTheEngineAndTheRecords) {
    // Engine kB/s (1000 bytes) to multiples: DVD 1x 1385, CD 1x 176.4.
    EXPECT_EQ(SpeedMultiples({11080, 2770, 5540, 22160, 11090, 700}, true), (std::vector<double>{2, 4, 8, 16}));
    EXPECT_EQ(SpeedMultiples({7056, 1764, 4234}, false), (std::vector<double>{10, 24, 40}));
    EXPECT_TRUE(SpeedMultiples({}, true).empty());

    struct Case { uint32_t recordKBs; uint32_t baseRate; bool dvd; int engine; };
    const Case cases[] = {
        {22160, 1385, true, 22160},  // 16x DVD
        {2770, 1385, true, 2770},    // 2x DVD
        {1200, 150, false, 1411},    // 8x CD: raw sectors are bigger
        {0, 1385, true, 0},          // the fastest
        {600, 0, false, 0},          // no base rate: the fastest
    };
    for (const Case& c : cases) EXPECT_EQ(EngineSpeed(c.recordKBs, c.baseRate, c.dvd), c.engine) << c.recordKBs;
}

TEST(OpticalDiagnosis, PseudoDriveVariables) {
    EXPECT_EQ(PseudoDrivePaths("/a.img:/b/c.img"), (std::vector<std::string>{"/a.img", "/b/c.img"}));
    EXPECT_EQ(PseudoDrivePaths("::/a.img:"), (std::vector<std::string>{"/a.img"}));
    EXPECT_TRUE(PseudoDrivePaths("").empty());

    struct Case { const char* text; std::optional<uint64_t> bytes; };
    const Case cases[] = {
        {"4700000000", 4700000000ull}, {"650M", 650ull << 20}, {"4g", 4ull << 30}, {"100K", 102400},
        {"0", 0},                      {"", std::nullopt},     {"12X", std::nullopt}, {"-5", std::nullopt},
        {"M", std::nullopt},           {"99999999999999999999", std::nullopt}, {"20000000000G", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseByteSize(c.text), c.bytes) << c.text;
}

}  // namespace
}  // namespace bb::recorder::library::optical

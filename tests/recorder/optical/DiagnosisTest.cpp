// What the drive's state and the engine's messages become: the result code
// the program acts on and the line it shows.
#include "recorder/library/optical/Diagnosis.h"

#include "neroapi/NeroRecords.h"
#include "recorder/library/NeroApiExports.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace bb::recorder::library::optical {
namespace {

Observation Blank() { return Observation{}; }

TEST(OpticalDiagnosis, EachStateAndFailureEndsWithItsResultAndLine) {
    struct Case {
        const char* what;
        Observation observed;
        Problem problem;
        int burnResult;
        int eraseResult;
        const char* lineHas;
    };
    Observation gone = Blank();
    gone.driveFound = false;
    Observation denied = gone;
    denied.openErrno = EACCES;
    Observation busy = gone;
    busy.openErrno = EBUSY;
    Observation empty = Blank();
    empty.disc = DiscStatus::Empty;
    Observation trayMessage = Blank();
    trayMessage.disc = DiscStatus::Empty;
    trayMessage.messages = {"SCSI error on write: [2 3A 02] Medium not present - tray open"};
    Observation closed = Blank();
    closed.disc = DiscStatus::Full;
    closed.profile = 0x11;
    Observation appendable = Blank();
    appendable.disc = DiscStatus::Appendable;
    appendable.profile = 0x1b;
    Observation pressed = Blank();
    pressed.disc = DiscStatus::Full;
    pressed.profile = 0x10;
    Observation unsuitable = Blank();
    unsuitable.disc = DiscStatus::Unsuitable;
    Observation protectedDisc = Blank();
    protectedDisc.profile = 0x1a;
    protectedDisc.finished = false;
    protectedDisc.messages = {"SCSI error: [7 27 00] Write protected"};
    Observation small = Blank();
    small.profile = 0x11;
    small.neededSectors = 2295105;
    small.freeSectors = 2295104;
    Observation fits = small;
    fits.neededSectors = 2295104;
    Observation failed = Blank();
    failed.wroteWell = false;
    failed.messages = {"Write error at sector 1200"};
    Observation cancelled = Blank();
    cancelled.cancelled = true;
    cancelled.wroteWell = false;
    Observation vanished = Blank();
    vanished.wroteWell = false;
    vanished.messages = {"Cannot open device: No such device or address"};

    const Case cases[] = {
        {"drive not found", gone, Problem::DriveGone, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc, "no longer available"},
        {"no permission", denied, Problem::NoPermission, neroapi::kBurnFailed, neroapi::kEraseRecorderError, "cdrom group"},
        {"busy", busy, Problem::DriveBusy, neroapi::kBurnFailed, neroapi::kEraseRecorderError, "in use by another program"},
        {"no disc", empty, Problem::NoDisc, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc, "No disc was inserted into D"},
        {"tray open", trayMessage, Problem::TrayOpen, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc, "tray of D is open"},
        {"closed DVD-R", closed, Problem::NotBlank, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable, "DVD-R disc already holds data"},
        {"appendable DVD+R", appendable, Problem::NotBlank, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable, "DVD+R disc already holds data"},
        {"DVD-ROM", pressed, Problem::NotRecordable, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable, "DVD-ROM in D is not recordable"},
        {"unsuitable", unsuitable, Problem::NotRecordable, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable, "not recordable"},
        {"write-protected", protectedDisc, Problem::WriteProtected, neroapi::kBurnNoDisc, neroapi::kEraseNotRewritable, "DVD+RW in D is write-protected"},
        {"one sector short", small, Problem::TooSmall, neroapi::kBurnNoDisc, neroapi::kEraseRecorderError, "needs 2295105 sectors but the disc holds only 2295104"},
        {"exactly full", fits, Problem::None, neroapi::kBurnOk, 0, ""},
        {"write failure", failed, Problem::WriteFailed, neroapi::kBurnWriteError, neroapi::kEraseRecorderError, "failed to write: Write error at sector 1200"},
        {"user abort", cancelled, Problem::Aborted, neroapi::kBurnAborted, neroapi::kEraseRecorderError, "aborted by the user"},
        {"drive gone while writing", vanished, Problem::DriveGone, neroapi::kBurnNoDisc, neroapi::kEraseNoDisc, "no longer available: Cannot open"},
        {"all well", Blank(), Problem::None, neroapi::kBurnOk, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Verdict verdict = Judge(c.observed, "D");
        EXPECT_EQ(verdict.problem, c.problem);
        EXPECT_EQ(verdict.burnResult, c.burnResult);
        EXPECT_EQ(verdict.eraseResult, c.eraseResult);
        if (c.lineHas[0] == '\0') {
            EXPECT_EQ(verdict.line, "");
        } else {
            EXPECT_NE(verdict.line.find(c.lineHas), std::string::npos) << verdict.line;
        }
    }
}

TEST(OpticalDiagnosis, ErasesRefusedByTheDiscGiveTheEraseResults) {
    struct Case {
        Problem problem;
        int profile;
        int eraseResult;
        const char* line;
    };
    const Case cases[] = {
        {Problem::NotErasable, 0x11, neroapi::kEraseNotRewritable, "The DVD-R in D cannot be erased"},
        {Problem::NotErasable, 0, neroapi::kEraseNotRewritable, "The disc in D cannot be erased"},
        {Problem::NoDisc, 0, neroapi::kEraseNoDisc, "No disc was inserted into D"},
        {Problem::DriveBusy, 0, neroapi::kEraseRecorderError, "The recorder D is in use by another program"},
    };
    for (const Case& c : cases) {
        Observation observed;
        observed.profile = c.profile;
        const Verdict verdict = Refuse(c.problem, observed, "D");
        EXPECT_EQ(verdict.problem, c.problem);
        EXPECT_EQ(verdict.eraseResult, c.eraseResult);
        EXPECT_EQ(verdict.line, c.line);
    }
}

TEST(OpticalDiagnosis, EngineMessagesNameTheirProblem) {
    struct Case {
        const char* message;
        Problem problem;
    };
    const Case cases[] = {
        {"[2 3A 02] MEDIUM NOT PRESENT - TRAY OPEN", Problem::TrayOpen},
        {"SCSI error: [2 3A 01] Medium not present - tray closed", Problem::NoDisc},
        {"Drive reports: Write Protected", Problem::WriteProtected},
        {"[5 30 05] Cannot write medium - incompatible format", Problem::NotRecordable},
        {"Track size exceeds remaining capacity of media", Problem::TooSmall},
        {"Cannot open busy device '/dev/sr0' : Permission denied", Problem::NoPermission},
        {"Device or resource busy", Problem::DriveBusy},
        {"Drive vanished", Problem::DriveGone},
        {"Burning is done", Problem::None},
        {"", Problem::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProblemOfMessage(c.message), c.problem) << c.message;
    }
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
        SCOPED_TRACE(c.profile);
        const auto medium = MediumOfProfile(c.profile);
        ASSERT_EQ(medium.has_value(), c.name != nullptr);
        if (medium) {
            EXPECT_STREQ(medium->name, c.name);
            EXPECT_EQ(medium->recordable, c.recordable);
            EXPECT_EQ(medium->rewritable, c.rewritable);
            EXPECT_EQ(medium->dvd, c.dvd);
        }
    }
}

TEST(OpticalDiagnosis, SpeedsConvertBetweenTheEngineAndTheRecords) {
    // Engine kB/s (1000 bytes) to multiples: DVD 1x 1385, CD 1x 176.4.
    EXPECT_EQ(SpeedMultiples({11080, 2770, 5540, 22160, 11090, 700}, true), (std::vector<double>{2, 4, 8, 16}));
    EXPECT_EQ(SpeedMultiples({7056, 1764, 4234}, false), (std::vector<double>{10, 24, 40}));
    EXPECT_TRUE(SpeedMultiples({}, true).empty());

    struct Case {
        uint32_t recordKBs;
        uint32_t baseRate;
        bool dvd;
        int engine;
    };
    const Case cases[] = {
        {22160, 1385, true, 22160},  // 16x DVD
        {2770, 1385, true, 2770},    // 2x DVD
        {1200, 150, false, 1411},    // 8x CD: raw sectors are bigger
        {0, 1385, true, 0},          // the fastest
        {600, 0, false, 0},          // no base rate: the fastest
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EngineSpeed(c.recordKBs, c.baseRate, c.dvd), c.engine) << c.recordKBs;
    }
}

TEST(OpticalDiagnosis, PseudoDriveVariables) {
    EXPECT_EQ(PseudoDrivePaths("/a.img:/b/c.img"), (std::vector<std::string>{"/a.img", "/b/c.img"}));
    EXPECT_EQ(PseudoDrivePaths("::/a.img:"), (std::vector<std::string>{"/a.img"}));
    EXPECT_TRUE(PseudoDrivePaths("").empty());

    struct Case {
        const char* text;
        std::optional<uint64_t> bytes;
    };
    const Case cases[] = {
        {"4700000000", 4700000000ull}, {"650M", 650ull << 20}, {"4g", 4ull << 30}, {"100K", 102400},
        {"0", 0},                      {"", std::nullopt},     {"12X", std::nullopt}, {"-5", std::nullopt},
        {"M", std::nullopt},           {"99999999999999999999", std::nullopt}, {"20000000000G", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseByteSize(c.text), c.bytes) << c.text;
    }
}

}  // namespace
}  // namespace bb::recorder::library::optical

// The recorder context's and the callbacks' arithmetic, and the window against
// a fake recording library: the answers the real one never gives on demand
// (start-up failures, missing drive lists, every kind of disc).
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/SizeMeterModel.h"
#include "platform/ModuleLoader.h"
#include "recording/BurnJob.h"
#include "recording/LibraryRequests.h"
#include "recording/MediaCheck.h"
#include "recording/RecorderList.h"
#include "settings/OtherSettings.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

TEST(RecorderList, OnlyWritingAllowedRecordersOfTheMediaClass) {
    struct Case { uint32_t kind, capabilities, media, requested; bool listed; } cases[] = {
        // Readers, recorders the library forbids and the wrong class: RecordersOfTheMediaClass.
        {1, 0x1, 0x4001D, neroapi::kMediaMaskCd, true},
        {1, 0x1, 0x40000, neroapi::kMediaMaskDvd, true},   // one shared bit is enough
        {0, 0x1, 0x4001D, neroapi::kMediaMaskDvd, false},
        {1, 0xFE, 0x4001D, neroapi::kMediaMaskDvd, false},
        {1, 0x3, 0x4001D, neroapi::kMediaMaskDvd, true},
    };
    for (const Case& c : cases) {
        neroapi::DriveInfo drive{};
        drive.deviceKind = c.kind;
        drive.capabilities = c.capabilities;
        drive.mediaMask = c.media;
        EXPECT_EQ(recording::IsListedRecorder(drive, c.requested), c.listed)
            << c.kind << " " << c.capabilities << " " << std::hex << c.media << " " << c.requested;
    }
}

TEST(RecorderList, SpeedTexts) {
    struct Case { uint32_t rate, base; const char* list; const char* burn; } cases[] = {
        {5540, 1385, "4.0x (5540 kB/s)", "4.0x (5540kB/s)"},
        {3324, 1385, "2.4x (3324 kB/s)", "2.4x (3324kB/s)"},
        {225, 150, "1.5x (225 kB/s)", "1.5x (225kB/s)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(recording::SpeedListText(c.rate, c.base), c.list) << c.rate;
        EXPECT_EQ(recording::BurnSpeedText(c.rate, c.base), c.burn) << c.rate;
    }
}

TEST(LibraryRequests, FixedAnswers) {
    struct Case { int request; std::optional<int> answer; } cases[] = {
        {2, 5}, {6, 3}, {7, 5}, {12, 5}, {13, 1}, {0, 0}, {1, 0}, {3, 0}, {14, 0}, {21, 0}, {23, 0}, {-1, 0},
        {15, std::nullopt}, {20, std::nullopt}, {22, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recording::FixedRequestAnswer(c.request), c.answer) << c.request;
}

TEST(LibraryRequests, LogLines) {
    struct Case { const char* text; const char* line; bool reallocFailed; } cases[] = {
        {"Burn process completed", "===> Burn process completed", false},
        {"Required file", "===> (required)", false},
        {"Required files are missing", "===> (required)", false},
        {"Required fil", "===> Required fil", false},
        {" Required file", "===>  Required file", false},
        {"DVD-Video files reallocation failed", "===> DVD-Video files reallocation failed", true},
        {"DVD-Video files reallocation failed ", "===> DVD-Video files reallocation failed ", false},
        {"", "===> ", false},
    };
    for (const Case& c : cases) {
        const recording::LibraryLogLine line = recording::ToLogLine(c.text, "(required)");
        EXPECT_EQ(line.line, c.line) << c.text;
        EXPECT_EQ(line.reallocFailed, c.reallocFailed) << c.text;
    }
    EXPECT_EQ(recording::ToPhaseLine("Writing"), "=> Writing");
}

TEST(LibraryRequests, ImagePathIsCutToTheBuffer) {
    struct Case {
        size_t length, capacity, copied;
    } cases[] = {{10, 260, 10}, {259, 260, 259}, {260, 260, 259}, {400, 260, 259}, {5, 1, 0}};
    for (const Case& c : cases) {
        std::string buffer(c.capacity + 4, 'x');
        recording::CopyImagePath(buffer.data(), c.capacity, std::string(c.length, 'a'));
        EXPECT_EQ(std::strlen(buffer.c_str()), c.copied) << c.length;
        EXPECT_EQ(buffer.substr(c.capacity), "xxxx") << "nothing past the buffer";
    }
}

TEST(SizeMeterModel, RedLimitAndRounding) {
    constexpr double MB = 1024.0 * 1024.0;
    struct Case { double bytes; int red; bool ignore; bool over; int rounded; } cases[] = {
        {8106 * MB, 8106, false, false, 8106},    // exactly at the limit
        {8106 * MB + 1, 8106, false, true, 8106},
        {8106 * MB + 1, 8106, true, false, 8106},
        {0, 0, false, false, 0},
        {0.5 * MB, 0, false, true, 1},
        {0.49 * MB, 700, false, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(controls::IsOverRedLimit(c.bytes, c.red, c.ignore), c.over) << c.bytes;
        EXPECT_EQ(controls::RoundedMegabytes(c.bytes), c.rounded) << c.bytes;
    }
}

// What the fake library answers; reset before every test.
struct FakeState {
    int initResult = 0, liveBlocks = 0, openDevices = 0, burns = 0, opens = 0, closes = 0;
    bool noDriveList = false, openFails = false;
    std::vector<neroapi::DriveInfo> drives;
    std::optional<neroapi::DiscInfo> disc;
    std::vector<int> ejects;  // the argument of every NeroEjectLoadCD
};
FakeState g_state;

void* Allocate(size_t size) {
    ++g_state.liveBlocks;
    return std::calloc(1, size);
}

template <class F>
void* Entry(F f) {
    return reinterpret_cast<void*>(+f);
}

class FakeModule final : public platform::Module {
public:
    void* Symbol(const char* name) const override {
        static const std::map<std::string, void*> symbols = {
            {"NeroSetExpectedAPIVersionEx", Entry([](uint16_t, uint16_t, uint16_t, uint16_t, void*) NERO_CDECL { return 1; })},
            {"NeroGetAPIVersionEx", Entry([](uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d, void*) NERO_CDECL {
                 *a = 6, *b = 6, *c = 0, *d = 1;
                 return 1;
             })},
            {"NeroInit", Entry([](neroapi::LibSettingsRecord*, const char*) NERO_CDECL { return g_state.initResult; })},
            {"NeroDone", Entry([]() NERO_CDECL { return 0; })},
            {"NeroClearErrors", Entry([]() NERO_CDECL {})},
            {"NeroFreeMem", Entry([](void* p) NERO_CDECL {
                 if (p != nullptr) --g_state.liveBlocks;
                 std::free(p);
             })},
            {"NeroGetAvailableDrivesEx", Entry([](uint32_t, void*) NERO_CDECL -> neroapi::DriveInfoList* {
                 if (g_state.noDriveList) return nullptr;
                 const uint32_t n = uint32_t(g_state.drives.size());
                 auto* list = static_cast<neroapi::DriveInfoList*>(Allocate(neroapi::DriveInfoListSize(n ? n : 1)));
                 list->count = n;
                 for (uint32_t i = 0; i < n; ++i) list->drives[i] = g_state.drives[i];
                 return list;
             })},
            {"NeroOpenDevice", Entry([](const neroapi::DriveInfo*) NERO_CDECL -> void* {
                 ++g_state.opens;
                 if (g_state.openFails) return nullptr;
                 ++g_state.openDevices;
                 return &g_state;
             })},
            {"NeroCloseDevice", Entry([](void*) NERO_CDECL { ++g_state.closes, --g_state.openDevices; })},
            {"NeroEjectLoadCD", Entry([](void*, int eject) NERO_CDECL {
                 g_state.ejects.push_back(eject);
                 return 0;
             })},
            // No NeroCreateIsoTrackEx: the binding gives no track.
            {"NeroBurn", Entry([](void*, int, void*, uint32_t, uint32_t, neroapi::LibProgressRecord*) NERO_CDECL {
                 return ++g_state.burns, 0;
             })},
            {"NeroGetCDInfo", Entry([](void*, uint32_t) NERO_CDECL -> neroapi::DiscInfo* {
                 if (!g_state.disc) return nullptr;
                 auto* info = static_cast<neroapi::DiscInfo*>(Allocate(sizeof(neroapi::DiscInfo)));
                 *info = *g_state.disc;
                 return info;
             })},
        };
        auto it = symbols.find(name);
        return it == symbols.end() ? nullptr : it->second;
    }
};

class FakeLoader final : public platform::ModuleLoader {
public:
    std::unique_ptr<platform::Module> Load(const std::string&) override { return std::make_unique<FakeModule>(); }
};

neroapi::DriveInfo Drive(const char* name, uint32_t count, uint32_t base) {
    neroapi::DriveInfo d{};
    std::strncpy(d.deviceName, name, sizeof d.deviceName - 1);
    d.deviceKind = 1;
    d.capabilities = 1;
    d.mediaMask = neroapi::kMediaMaskDvd;
    d.writeSpeeds.count = count;
    d.writeSpeeds.baseRate = base;
    for (uint32_t i = 0; i < count; ++i) d.writeSpeeds.rates[i] = base * (i + 1);
    return d;
}

class FakeLibraryWindow : public app::test::WindowTest {
protected:
    void SetUp() override {
        g_state = FakeState{};
        WindowTest::SetUp();
        UseLibrary(Folder(), &m_loader);
        WriteFile("Brenvik.ini", "");  // read: the log starts with the recorder set-up
    }
    // A fresh window, the last one's recorder context given back first.
    platform::HeadlessDialogHost& Restart() {
        if (m_dlg) m_dlg->TeardownRecorder();
        return Start();
    }
    void TearDown() override {
        if (m_dlg) m_dlg->TeardownRecorder();
        EXPECT_EQ(g_state.liveBlocks, 0) << "library memory given back";
        WindowTest::TearDown();
    }

    FakeLoader m_loader;
};

// Whatever the library says at start-up, the set-up goes on and logs it; a
// recorder without usable speeds leaves the speed list empty and disabled.
TEST_F(FakeLibraryWindow, StartUpResultsAndDriveListsAreLogged) {
    // texts: after the version line, before the recorder names
    const struct { int init; bool noList; int drives; uint32_t speeds, base; std::vector<int> texts; } cases[] = {
        {0, false, 1, 2, 1385, {res::kTxtInitOk, res::kTxtRecordersFound}},
        {1, false, 1, 0, 1385, {res::kTxtInitFailed, res::kTxtRecordersFound}},
        {7, false, 1, 3, 0, {res::kTxtInitUnexpected, res::kTxtRecordersFound}},
        {0, true, 0, 2, 1385, {res::kTxtInitOk, res::kTxtNoDriveList}},
        {0, false, 0, 2, 1385, {res::kTxtInitOk, res::kTxtNoRecorders}},
    };
    for (const auto& c : cases) {
        g_state.initResult = c.init;
        g_state.noDriveList = c.noList;
        g_state.drives.assign(size_t(c.drives), Drive("BB Fake", c.speeds, c.base));
        auto& h = Restart();
        std::vector<std::string> expected = {T(res::kTxtRecorderSetup), "Nero API version 6.6.0.1"};
        for (int id : c.texts) expected.push_back(T(id));
        if (c.drives) expected.push_back("BB Fake");
        EXPECT_EQ(h.Lines(IDC_LOG), expected) << c.init << " " << c.noList << " " << c.drives;
        EXPECT_EQ(h.ComboGetCount(IDC_RECORDER_LIST), c.drives);
        EXPECT_EQ(h.ComboGetCurSel(IDC_RECORDER_LIST), c.drives > 0 ? 0 : -1);
        const int speeds = c.drives > 0 && c.base > 0 ? int(c.speeds) : 0;
        EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), speeds) << c.speeds << " " << c.base;
        EXPECT_EQ(h.IsItemEnabled(IDC_SPEED_LIST), speeds > 0) << c.speeds << " " << c.base;
        EXPECT_FALSE(h.Ended()) << "set-up goes on whatever the library says";
    }
}

// Eject opens the selected recorder, opens its tray and closes it again,
// silently; without a recorder, or when it will not open, nothing happens.
TEST_F(FakeLibraryWindow, EjectOpensTheTrayOfTheSelectedRecorder) {
    const struct {
        int drives;
        bool openFails;
        int opens;
        std::vector<int> ejects;
        int closes;
    } cases[] = {{1, false, 1, {1}, 1}, {1, true, 1, {}, 0}, {0, false, 0, {}, 0}};
    for (const auto& c : cases) {
        g_state.opens = g_state.closes = 0;
        g_state.ejects.clear();
        g_state.drives.assign(size_t(c.drives), Drive("BB Fake", 2, 1385));
        g_state.openFails = c.openFails;
        auto& h = Restart();
        const auto shownBefore = h.Lines(IDC_LOG);
        m_ui.ClearBoxes();
        ASSERT_TRUE(h.Click(IDC_EJECT));
        EXPECT_EQ(std::vector<int>({g_state.opens, g_state.closes, g_state.openDevices}),
                  std::vector<int>({c.opens, c.closes, 0}))
            << "opened, closed, still open: " << c.drives << " " << c.openFails;
        EXPECT_EQ(g_state.ejects, c.ejects);
        EXPECT_EQ(h.Lines(IDC_LOG), shownBefore) << "nothing is logged";
        EXPECT_TRUE(m_ui.Boxes().empty()) << "nothing is shown";
    }
}

// The disc in the open recorder, as the media check decides about it.
TEST_F(FakeLibraryWindow, MediaCheckDecidesFromTheDisc) {
    using recording::DiscVerdict;
    const std::string erase = T(res::kTxtEraseBeforeBurn);
    const struct {
        const char* what;
        bool disc;
        uint32_t mask, kind, hasData;
        bool dontAsk;
        int answer;  // 0: no question
        DiscVerdict verdict;
        std::string logged;  // "" nothing
    } cases[] = {
        {"no disc information", false, 0, 0, 0, false, 0, DiscVerdict::BurnNow, T(res::kTxtNoDiscInfo)},
        {"blank DVD-RW", true, neroapi::kMediaDvdMinusRw, 0, 0, false, 0, DiscVerdict::BurnNow, ""},
        {"DVD+RW with data, Yes", true, neroapi::kMediaDvdPlusRw, 0, 1, false, IDYES, DiscVerdict::EraseFirst, erase + " DVD+RW"},
        {"DVD+RW with data, No", true, neroapi::kMediaDvdPlusRw, 0, 1, false, IDNO, DiscVerdict::Stop, ""},
        {"DVD+RW with data, not asked", true, neroapi::kMediaDvdPlusRw, 0, 1, true, 0, DiscVerdict::EraseFirst, erase + " DVD+RW"},
        {"DVD-R with data", true, neroapi::kMediaDvdMinusR, 0, 1, false, 0, DiscVerdict::BurnNow, ""},
        {"CD-RW with data in a DVD job", true, neroapi::kMediaCdR, 3, 1, false, IDYES, DiscVerdict::EraseFirst, erase + " CD-RW"},
        // The medium kind decides over the mask; any data counts.
        {"DVD-R mask, CD-RW kind", true, neroapi::kMediaDvdMinusR, 3, 1, true, 0, DiscVerdict::EraseFirst, erase + " CD-RW"},
        {"DVD-RW with more data", true, neroapi::kMediaDvdMinusRw, 0, 7, true, 0, DiscVerdict::EraseFirst, erase + " DVD-RW"},
        {"DVD+R of another kind", true, neroapi::kMediaDvdPlusR, 2, 1, false, 0, DiscVerdict::BurnNow, ""},
        {"both rewritable bits", true, neroapi::kMediaDvdMinusRw | neroapi::kMediaDvdPlusRw, 0, 1, false, 0,
         DiscVerdict::BurnNow, ""},
    };
    g_state.drives = {Drive("BB Fake", 1, 1385)};
    auto& h = Start();
    int device = 0;
    for (const auto& c : cases) {
        g_state.disc.reset();
        if (c.disc) g_state.disc = neroapi::DiscInfo{}, g_state.disc->mediaMask = c.mask, g_state.disc->mediumKind = c.kind,
                    g_state.disc->hasData = c.hasData;
        m_dlg->m_pOtherDlg->m_bNoOverwriteQuestion = c.dontAsk;
        m_dlg->SetDlgItemText(IDC_LOG, "");
        m_ui.ClearBoxes();
        if (c.answer != 0) m_ui.QueueAnswers({c.answer});
        EXPECT_EQ(recording::BurnJob(m_dlg->Jobs().Session()).LookAtDisc(&device, m_dlg->CollectJobInputs()), c.verdict)
            << c.what;
        EXPECT_EQ(h.Lines(IDC_LOG), c.logged.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.logged})
            << c.what;
        EXPECT_EQ(Shown(), (c.answer ? std::vector<std::string>{T(res::kTxtEraseQuestion) + "|Overwrite ReWriteable?!|0x124"}
                                     : std::vector<std::string>{}))
            << c.what;
        EXPECT_EQ(g_state.liveBlocks, 1) << "only the drive list is still held: " << c.what;
    }
}

// A compilation the library makes no track of is not handed to NeroBurn:
// the job fails with its own line, in the user's language, and leaves the
// window idle.
TEST_F(FakeLibraryWindow, NoTrackEndsTheJobWithoutBurning) {
    g_state.drives = {Drive("BB Fake", 1, 1385)};
    CopyLanguage("deutsch.lng");
    auto& h = Start("Language: deutsch.lng\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    recording::JobInputs inputs = m_dlg->CollectJobInputs();
    EXPECT_EQ(recording::BurnJob(m_dlg->Jobs().Session()).PrepareAndBurn(inputs).result, -1);
    EXPECT_EQ(g_state.burns, 0);
    EXPECT_EQ(g_state.openDevices, 0) << "the recorder is closed again";
    EXPECT_FALSE(m_dlg->Jobs().Session().Tree()) << "the tree is released";
    EXPECT_EQ(h.Lines(IDC_LOG).back(), TextOf("deutsch.lng", res::kTxtNoIsoTrack));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("deutsch.lng", res::kTxtStatusBurnFailed));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    EXPECT_TRUE(h.IsItemEnabled(IDC_RECORDER_LIST)) << "out of the job state";
}

}  // namespace
}  // namespace bb::app::test

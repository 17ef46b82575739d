// The recorder set-up and the media check of the main window against a fake
// recording library: the answers the real one never gives on demand (start-up
// failures, missing drive lists, every kind of disc).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "recording/BurnJob.h"
#include "app/MainDialogHeadless.h"
#include "neroapi/NeroApiLib.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/ModuleLoader.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "recording/MediaCheck.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "tests/support/Sandbox.h"

namespace bb::app {

namespace {

namespace fs = std::filesystem;

// What the fake library answers; reset before every test.
struct FakeState {
    int initResult = 0;
    bool noDriveList = false;
    std::vector<neroapi::DriveInfo> drives;
    std::optional<neroapi::DiscInfo> disc;
    int liveBlocks = 0;
    int openDevices = 0;
    int burns = 0;
    bool openFails = false;
    int opens = 0;
    int closes = 0;
    std::vector<int> ejects;  // the argument of every NeroEjectLoadCD
};
FakeState g_state;

void* Allocate(size_t size) {
    ++g_state.liveBlocks;
    return std::calloc(1, size);
}

class FakeModule final : public platform::Module {
public:
    void* Symbol(const char* name) const override {
        static const std::map<std::string, void*> symbols = {
            {"NeroSetExpectedAPIVersionEx",
             reinterpret_cast<void*>(+[](uint16_t, uint16_t, uint16_t, uint16_t, void*) NERO_CDECL -> int { return 1; })},
            {"NeroGetAPIVersionEx",
             reinterpret_cast<void*>(+[](uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d, void*) NERO_CDECL -> int {
                 *a = 6, *b = 6, *c = 0, *d = 1;
                 return 1;
             })},
            {"NeroInit",
             reinterpret_cast<void*>(+[](neroapi::LibSettingsRecord*, const char*) NERO_CDECL -> int { return g_state.initResult; })},
            {"NeroDone", reinterpret_cast<void*>(+[]() NERO_CDECL -> int { return 0; })},
            {"NeroClearErrors", reinterpret_cast<void*>(+[]() NERO_CDECL {})},
            {"NeroFreeMem", reinterpret_cast<void*>(+[](void* p) NERO_CDECL {
                 if (p != nullptr) --g_state.liveBlocks;
                 std::free(p);
             })},
            {"NeroGetAvailableDrivesEx",
             reinterpret_cast<void*>(+[](uint32_t, void*) NERO_CDECL -> neroapi::DriveInfoList* {
                 if (g_state.noDriveList) return nullptr;
                 const uint32_t n = uint32_t(g_state.drives.size());
                 auto* list = static_cast<neroapi::DriveInfoList*>(Allocate(neroapi::DriveInfoListSize(n ? n : 1)));
                 list->count = n;
                 for (uint32_t i = 0; i < n; ++i) list->drives[i] = g_state.drives[i];
                 return list;
             })},
            {"NeroOpenDevice", reinterpret_cast<void*>(+[](const neroapi::DriveInfo*) NERO_CDECL -> void* {
                 ++g_state.opens;
                 if (g_state.openFails) return nullptr;
                 ++g_state.openDevices;
                 return &g_state;
             })},
            {"NeroCloseDevice", reinterpret_cast<void*>(+[](void*) NERO_CDECL {
                 ++g_state.closes;
                 --g_state.openDevices;
             })},
            {"NeroEjectLoadCD", reinterpret_cast<void*>(+[](void*, int eject) NERO_CDECL -> int {
                 g_state.ejects.push_back(eject);
                 return 0;
             })},
            // No NeroCreateIsoTrackEx: the binding gives no track.
            {"NeroBurn", reinterpret_cast<void*>(+[](void*, int, void*, uint32_t, uint32_t, neroapi::LibProgressRecord*)
                                                     NERO_CDECL -> int {
                 ++g_state.burns;
                 return 0;
             })},
            {"NeroGetCDInfo", reinterpret_cast<void*>(+[](void*, uint32_t) NERO_CDECL -> neroapi::DiscInfo* {
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

class FakeLibraryWindow : public ::testing::Test {
protected:
    void SetUp() override {
        g_state = FakeState{};
        // A folder of this run's own: the same test may run in another build
        // of the tree at the same time.
        m_sandbox.emplace();
        m_dir = m_sandbox->Root();
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", m_dir / "english.lng");
        std::ofstream(m_dir / "Brenvik.ini") << "";
        m_english = std::make_unique<settings::LanguageTable>((m_dir / "english.lng").string());
        m_ui.AddTemplate(app::HeadlessMainDialog());
        m_registry = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), (m_dir / "registry.ini").string(),
            std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, neroapi::kSharedKey,
                                                    neroapi::kSharedValue, m_dir.string()}});
        neroapi::Services services;
        services.registry = m_registry.get();
        services.loader = &m_loader;
        m_library.emplace(services);
    }
    void TearDown() override {
        if (m_dlg) m_dlg->TeardownRecorder();
        EXPECT_EQ(g_state.liveBlocks, 0) << "library memory given back";
        m_dlg.reset();
        m_library.reset();
        fs::remove_all(m_dir);
    }
    platform::HeadlessDialogHost& Start() {
        m_dlg = std::make_unique<CBurnDlg>();
        m_dlg->m_strProgramDir = (m_dir / "brenvik-burn").string().c_str();
        return m_ui.Open(*m_dlg);
    }
    std::string T(int id) const { return m_english->GetText(id); }

    std::optional<bb::test::Sandbox> m_sandbox;

    fs::path m_dir;
    platform::HeadlessUi m_ui;
    FakeLoader m_loader;
    std::unique_ptr<platform::FileRegistry> m_registry;
    std::optional<neroapi::ScopedServices> m_library;
    std::unique_ptr<settings::LanguageTable> m_english;
    std::unique_ptr<CBurnDlg> m_dlg;
};

TEST_F(FakeLibraryWindow, StartUpResultsAndDriveListsAreLogged) {
    struct Case {
        int init;
        bool noList;
        int drives;
        std::vector<int> texts;  // after the version line
    } cases[] = {
        {0, false, 1, {res::kTxtInitOk, res::kTxtRecordersFound}},
        {1, false, 1, {res::kTxtInitFailed, res::kTxtRecordersFound}},
        {7, false, 1, {res::kTxtInitUnexpected, res::kTxtRecordersFound}},
        {0, true, 0, {res::kTxtInitOk, res::kTxtNoDriveList}},
        {0, false, 0, {res::kTxtInitOk, res::kTxtNoRecorders}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.init);
        g_state.initResult = c.init;
        g_state.noDriveList = c.noList;
        g_state.drives.assign(size_t(c.drives), Drive("BB Fake", 2, 1385));
        auto& h = Start();
        const auto log = h.Lines(IDC_LOG);
        ASSERT_EQ(log.size(), 2u + c.texts.size() + size_t(c.drives)) << "the recorder names follow";
        EXPECT_EQ(log[0], T(res::kTxtRecorderSetup));
        EXPECT_EQ(log[1], "Nero API version 6.6.0.1");
        for (size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(log[2 + i], T(c.texts[i]));
        EXPECT_EQ(h.ComboGetCount(IDC_RECORDER_LIST), c.drives);
        EXPECT_EQ(h.ComboGetCurSel(IDC_RECORDER_LIST), c.drives > 0 ? 0 : -1);
        EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), c.drives > 0 ? 2 : 0);
        EXPECT_FALSE(h.Ended()) << "set-up goes on whatever the library says";
        m_dlg->TeardownRecorder();
        m_dlg.reset();
    }
}

TEST_F(FakeLibraryWindow, RecorderWithoutUsableSpeedsDisablesTheSpeedList) {
    for (auto [count, base] : std::vector<std::pair<uint32_t, uint32_t>>{{0, 1385}, {3, 0}}) {
        g_state.drives = {Drive("BB Fake", count, base)};
        auto& h = Start();
        EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), 0);
        EXPECT_FALSE(h.IsItemEnabled(IDC_SPEED_LIST)) << count << " " << base;
        m_dlg->TeardownRecorder();
        m_dlg.reset();
    }
}

// Eject opens the selected recorder, opens its tray and closes it again,
// silently; without a recorder, or when it will not open, nothing happens.
TEST_F(FakeLibraryWindow, EjectOpensTheTrayOfTheSelectedRecorder) {
    struct Case {
        const char* what;
        int drives;
        bool openFails;
        int opens;
        std::vector<int> ejects;
        int closes;
    } cases[] = {
        {"recorder selected", 1, false, 1, {1}, 1},
        {"recorder will not open", 1, true, 1, {}, 0},
        {"no recorder", 0, false, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_state = FakeState{};
        g_state.drives.assign(size_t(c.drives), Drive("BB Fake", 2, 1385));
        g_state.openFails = c.openFails;
        auto& h = Start();
        const auto logBefore = h.Lines(IDC_LOG);
        const std::string statusBefore = h.GetItemText(IDC_STATUS);
        m_ui.ClearBoxes();

        ASSERT_TRUE(h.Click(IDC_EJECT));
        EXPECT_EQ(g_state.opens, c.opens);
        EXPECT_EQ(g_state.ejects, c.ejects);
        EXPECT_EQ(g_state.closes, c.closes);
        EXPECT_EQ(g_state.openDevices, 0) << "nothing stays open";
        EXPECT_EQ(h.Lines(IDC_LOG), logBefore) << "nothing is logged";
        EXPECT_EQ(h.GetItemText(IDC_STATUS), statusBefore);
        EXPECT_TRUE(m_ui.Boxes().empty()) << "nothing is shown";
        m_dlg->TeardownRecorder();
        m_dlg.reset();
    }
}

// The disc in the open recorder, as the media check decides about it.
TEST_F(FakeLibraryWindow, MediaCheckDecidesFromTheDisc) {
    struct Case {
        const char* what;
        bool disc;
        uint32_t mask, kind, hasData;
        bool dontAsk;
        int answer;  // 0: no question
        int result;
        std::string logged;  // "" nothing
    };
    const Case cases[] = {
        {"no disc information", false, 0, 0, 0, false, 0, 0, T(res::kTxtNoDiscInfo)},
        {"blank DVD-RW", true, neroapi::kMediaDvdMinusRw, 0, 0, false, 0, 0, ""},
        {"DVD+RW with data, Yes", true, neroapi::kMediaDvdPlusRw, 0, 1, false, IDYES, 1, T(res::kTxtEraseBeforeBurn) + " DVD+RW"},
        {"DVD+RW with data, No", true, neroapi::kMediaDvdPlusRw, 0, 1, false, IDNO, -1, ""},
        {"DVD+RW with data, not asked", true, neroapi::kMediaDvdPlusRw, 0, 1, true, 0, 1, T(res::kTxtEraseBeforeBurn) + " DVD+RW"},
        {"DVD-R with data", true, neroapi::kMediaDvdMinusR, 0, 1, false, 0, 0, ""},
        {"CD-RW with data in a DVD job", true, neroapi::kMediaCdR, 3, 1, false, IDYES, 1, T(res::kTxtEraseBeforeBurn) + " CD-RW"},
    };
    g_state.drives = {Drive("BB Fake", 1, 1385)};
    auto& h = Start();
    int device = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_state.disc.reset();
        if (c.disc) {
            neroapi::DiscInfo disc{};
            disc.mediaMask = c.mask;
            disc.mediumKind = c.kind;
            disc.hasData = c.hasData;
            g_state.disc = disc;
        }
        m_dlg->m_pOtherDlg->m_bNoOverwriteQuestion = c.dontAsk;
        m_dlg->SetDlgItemText(IDC_LOG, "");
        m_ui.ClearBoxes();
        if (c.answer != 0) m_ui.QueueAnswers({c.answer});
        const recording::DiscVerdict want = c.result < 0    ? recording::DiscVerdict::Stop
                                            : c.result == 0 ? recording::DiscVerdict::BurnNow
                                                            : recording::DiscVerdict::EraseFirst;
        EXPECT_EQ(recording::BurnJob(m_dlg->Jobs().Session()).LookAtDisc(&device, m_dlg->CollectJobInputs()), want);

        const auto log = h.Lines(IDC_LOG);
        if (c.logged.empty()) {
            EXPECT_TRUE(log.empty());
        } else {
            ASSERT_EQ(log.size(), 1u);
            EXPECT_EQ(log[0], c.logged);
        }
        const auto boxes = m_ui.Boxes();
        ASSERT_EQ(boxes.size(), c.answer != 0 ? 1u : 0u);
        if (!boxes.empty()) {
            EXPECT_EQ(boxes[0].text, T(res::kTxtEraseQuestion));
            EXPECT_EQ(boxes[0].caption, "Overwrite ReWriteable?!");
            EXPECT_EQ(boxes[0].type, 0x124u);
        }
        EXPECT_EQ(g_state.liveBlocks, 1) << "only the drive list is still held";
    }
}

// A compilation the library makes no track of is not handed to NeroBurn:
// the job fails with its own line, in the user's language, and leaves the
// window idle.
TEST_F(FakeLibraryWindow, NoTrackEndsTheJobWithoutBurning) {
    g_state.drives = {Drive("BB Fake", 1, 1385)};
    fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "deutsch.lng", m_dir / "deutsch.lng");
    std::ofstream(m_dir / "Brenvik.ini") << "Language: deutsch.lng\r\n";
    const settings::LanguageTable german((m_dir / "deutsch.lng").string());
    auto& h = Start();
    const fs::path root = m_dir / "dvd";
    fs::copy(fs::path(BB_SOURCE_DIR) / "samples" / "dvd-sample", root, fs::copy_options::recursive);
    ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root.string()));
    ASSERT_TRUE(h.Type(IDC_VOLUME, "SAMPLE"));
    m_dlg->UpdateData(TRUE);

    recording::JobInputs inputs = m_dlg->CollectJobInputs();
    EXPECT_EQ(recording::BurnJob(m_dlg->Jobs().Session()).PrepareAndBurn(inputs).result, -1);
    EXPECT_EQ(g_state.burns, 0);
    EXPECT_EQ(g_state.openDevices, 0) << "the recorder is closed again";
    EXPECT_FALSE(m_dlg->Jobs().Session().Tree()) << "the tree is released";
    const auto log = h.Lines(IDC_LOG);
    EXPECT_EQ(log.back(), german.GetText(res::kTxtNoIsoTrack));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), german.GetText(res::kTxtStatusBurnFailed));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    EXPECT_TRUE(h.IsItemEnabled(IDC_RECORDER_LIST)) << "out of the job state";
}

}  // namespace

}  // namespace bb::app

// The main window on the headless host with the recording library of this
// build, its simulated recorders from a drives file in a sandbox program
// folder, and scripted file pickers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "app/MainDialogHeadless.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/ScriptedFilePickers.h"
#include "platform/ServiceOverride.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "tests/support/Sandbox.h"

namespace bb::app::test {

namespace fs = std::filesystem;

class JobsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of this run's own: the same test may run in another build
        // of the tree at the same time.
        m_sandbox.emplace();
        m_dir = m_sandbox->Root();
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", m_dir / "english.lng");
        // Read once: a shutdown sequence ends the window and its language
        // table along with it.
        const settings::LanguageTable english((m_dir / "english.lng").string());
        for (const res::TextIdSignature& text : res::kTextIdTable)
            m_texts[text.id] = english.GetText(text.id);
        m_ui.AddTemplate(app::HeadlessMainDialog());

        m_registry = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), (m_dir / "registry.ini").string(),
            std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, neroapi::kSharedKey,
                                                    neroapi::kSharedValue, BB_PROGRAM_DIR}});
        neroapi::Services services;
        services.registry = m_registry.get();
        m_library.emplace(services);
        ::setenv("BB_NEROAPI_CONFIG", (m_dir / "NeroAPI-drives.ini").string().c_str(), 1);
        platform::SetSystemFilePickers(&m_pickers);
    }
    void TearDown() override {
        m_dlg.reset();
        m_library.reset();
        platform::SetSystemFilePickers(nullptr);
        fs::remove_all(m_dir);
    }

    void WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    // Simulated recorders; every wait lasts a hundredth of its nominal time.
    void WriteDrives(const std::string& recorders) const {
        WriteFile("NeroAPI-drives.ini", "time scale = 0.01\n" + recorders);
    }

    platform::HeadlessDialogHost& Start(const std::string& settings = "") {
        WriteFile("Brenvik.ini", settings);
        m_dlg = std::make_unique<CBurnDlg>();
        m_dlg->m_strProgramDir = (m_dir / "brenvik-burn").string().c_str();
        return m_ui.Open(*m_dlg);
    }

    // A copy of the sample DVD root inside the sandbox.
    std::string SampleRoot(const std::string& name = "dvd") const {
        const fs::path root = m_dir / name;
        fs::remove_all(root);
        fs::copy(fs::path(BB_SOURCE_DIR) / "samples" / "dvd-sample", root, fs::copy_options::recursive);
        return root.string();
    }

    // The DVD root and the label typed in, the size gate run as the focus
    // change of the DVD root edit would.
    void ChooseRoot(platform::HeadlessDialogHost& h, const std::string& root, const std::string& label) {
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root));
        ASSERT_TRUE(h.Type(IDC_VOLUME, label));
        m_dlg->UpdateData(TRUE);
        ASSERT_EQ(m_dlg->CheckSourceSize(), 0);
    }

    int SelectRecorder(platform::HeadlessDialogHost& h, const std::string& name) {
        const auto items = h.ComboItems(IDC_RECORDER_LIST);
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].first == name) {
                EXPECT_TRUE(h.SelectCombo(IDC_RECORDER_LIST, int(i)));
                return int(i);
            }
        ADD_FAILURE() << "no recorder " << name;
        return -1;
    }

    std::string T(int id) const { return m_texts.at(id); }

    // Lets the jobs on workers run to their end, handling on this (the
    // window's) thread what they post to the window meanwhile.
    void Settle() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        for (;;) {
            while (m_ui.HasPendingMessage())
                (void)m_ui.PumpMessage();
            if (framework::WaitForWorkerThreads(10) && !m_ui.HasPendingMessage())
                return;
            ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "a job thread did not end";
        }
    }

    // The log lines from the first that equals `first` on.
    static std::vector<std::string> From(const std::vector<std::string>& log, const std::string& first) {
        auto it = std::find(log.begin(), log.end(), first);
        return std::vector<std::string>(it, log.end());
    }
    static bool Has(const std::vector<std::string>& log, const std::string& line) {
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    std::optional<bb::test::Sandbox> m_sandbox;

    fs::path m_dir;
    platform::HeadlessUi m_ui;
    platform::ScriptedFilePickers m_pickers;
    std::unique_ptr<platform::FileRegistry> m_registry;
    std::optional<neroapi::ScopedServices> m_library;
    std::map<int, std::string> m_texts;
    std::unique_ptr<CBurnDlg> m_dlg;
};

}  // namespace bb::app::test

// The main window on the headless host in a sandbox program folder, with the
// build's recording library (or a stand-in loader), simulated recorders from a
// drives file, scripted file pickers, and english.lng's texts to compare with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "app/MainDialogHeadless.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Environment.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/ModuleLoader.h"
#include "platform/ScriptedFilePickers.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "tests/support/Sandbox.h"

namespace bb::app::test {

namespace fs = std::filesystem;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_ui.AddTemplate(app::HeadlessMainDialog());
        CopyLanguage("english.lng");
        // With no drives file only the library's image recorder is offered.
        UseLibrary(BB_PROGRAM_DIR);
        (void)platform::SystemEnvironment().Set("BB_NEROAPI_CONFIG", m_box.At("NeroAPI-drives.ini"));
        platform::SetSystemFilePickers(&m_pickers);
    }
    void TearDown() override {
        m_dlg.reset();
        m_library.reset();
        platform::SetSystemFilePickers(nullptr);
    }

    // The library as the program finds it: the registry names `folder`.
    void UseLibrary(const std::string& folder, platform::ModuleLoader* loader = nullptr) {
        m_library.reset();
        m_registry = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), m_box.At("registry.ini"),
            std::vector<platform::RegistryDefault>{
                {platform::RegistryRoot::LocalMachine, neroapi::kSharedKey, neroapi::kSharedValue, folder}});
        neroapi::Services services;
        services.registry = m_registry.get();
        services.loader = loader;
        m_library.emplace(services);
    }

    void WriteFile(const std::string& name, const std::string& text) const { m_box.WriteFile(name, text); }
    void CopyLanguage(const std::string& file) const {
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / file, m_dir / file, fs::copy_options::overwrite_existing);
    }
    // Simulated recorders; every wait lasts a hundredth of its nominal time.
    void WriteDrives(const std::string& recorders) const {
        WriteFile("NeroAPI-drives.ini", "time scale = 0.01\n" + recorders);
    }
    std::string Folder() const { return m_box.Folder(); }

    // A non-empty `settings` becomes Brenvik.ini; a batch window's worker reads
    // the command line at once and its result is kept.
    platform::HeadlessDialogHost& Start(const std::string& settings = "", const std::string& commandLine = "",
                                        bool batch = false) {
        m_dlg.reset();
        if (!settings.empty()) WriteFile("Brenvik.ini", settings);
        m_dlg = std::make_unique<CBurnDlg>();
        m_dlg->m_strProgramDir = (m_dir / "brenvik-burn").string().c_str();
        m_dlg->m_strCommandLine = commandLine.c_str();
        if (batch) {
            m_dlg->m_nCommandLineDelayMs = 0;
            m_dlg->m_onCommandLineDone = [this](framework::CDialog&, int result) { m_workerResult = result; };
        }
        return m_ui.Open(*m_dlg);
    }

    // A copy of the sample DVD root inside the sandbox.
    std::string SampleRoot(const std::string& name = "dvd") const {
        const fs::path root = m_dir / name;
        fs::remove_all(root);
        fs::copy(fs::path(BB_SOURCE_DIR) / "samples" / "dvd-sample", root, fs::copy_options::recursive);
        return root.string();
    }
    // The DVD root and label typed in, and the size gate run.
    void ChooseRoot(platform::HeadlessDialogHost& h, const std::string& root, const std::string& label) {
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root));
        ASSERT_TRUE(h.Type(IDC_VOLUME, label));
        m_dlg->UpdateData(TRUE);
        ASSERT_EQ(m_dlg->CheckSourceSize(), 0);
    }

    // english.lng's text `id` (an ended window takes its own table along).
    static std::string T(int id) { return settings::LanguageTable(std::string(BB_SOURCE_DIR) + "/lang/english.lng").GetText(id); }
    // The text `id` of a language file of the sandbox.
    std::string TextOf(const std::string& file, int id) const { return settings::LanguageTable(m_box.At(file)).GetText(id); }

    // Lets the job threads end, handling what they post to the window meanwhile.
    void Settle() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        for (;;) {
            while (m_ui.HasPendingMessage()) (void)m_ui.PumpMessage();
            if (framework::WaitForWorkerThreads(10) && !m_ui.HasPendingMessage()) return;
            ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "a job thread did not end";
        }
    }

    // The message boxes shown so far, each as "text|caption|type".
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (const auto& box : m_ui.Boxes()) shown.push_back(box.text + "|" + box.caption + "|" + Hex(box.type));
        return shown;
    }
    static std::string Hex(unsigned value) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", value);
        return text;
    }

    // The log lines from the first that equals `first` on.
    static std::vector<std::string> From(const std::vector<std::string>& log, const std::string& first) {
        return std::vector<std::string>(std::find(log.begin(), log.end(), first), log.end());
    }
    static bool Has(const std::vector<std::string>& log, const std::string& line) {
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    static long Count(const std::vector<std::string>& log, const std::string& line) {
        return long(std::count(log.begin(), log.end(), line));
    }

    bb::test::Sandbox m_box;
    const fs::path m_dir = m_box.Root();
    platform::HeadlessUi m_ui;
    platform::ScriptedFilePickers m_pickers;
    std::unique_ptr<platform::FileRegistry> m_registry;
    std::optional<neroapi::ScopedServices> m_library;
    std::unique_ptr<CBurnDlg> m_dlg;
    std::atomic<int> m_workerResult{-1000};
};

}  // namespace bb::app::test

// The main window on the headless host, started in a sandbox program folder
// with the recording library of this build (or a loader standing in for
// it), simulated recorders from a drives file, scripted file pickers, and
// english.lng's texts to compare with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
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

namespace uitest {

namespace fs = std::filesystem;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui_.AddTemplate(app::HeadlessMainDialog());
        CopyLanguage("english.lng");
        // With no drives file only the library's image recorder is offered.
        UseLibrary(BB_PROGRAM_DIR);
        (void)platform::SystemEnvironment().Set("BB_NEROAPI_CONFIG", box_.At("NeroAPI-drives.ini"));
        platform::SetSystemFilePickers(&pickers_);
    }
    void TearDown() override {
        dlg_.reset();
        library_.reset();
        platform::SetSystemFilePickers(nullptr);
    }

    // The recording library as the program finds it: through the registry
    // value naming `folder`, loaded by `loader` (the system's when null).
    void UseLibrary(const std::string& folder, platform::ModuleLoader* loader = nullptr) {
        library_.reset();
        registry_ = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), box_.At("registry.ini"),
            std::vector<platform::RegistryDefault>{
                {platform::RegistryRoot::LocalMachine, NeroApiLib::kSharedKey, NeroApiLib::kSharedValue, folder}});
        NeroApiLib::Services services;
        services.registry = registry_.get();
        services.loader = loader;
        library_.emplace(services);
    }

    void WriteFile(const std::string& name, const std::string& text) const { box_.WriteFile(name, text); }
    void CopyLanguage(const std::string& file) const {
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / file, dir_ / file, fs::copy_options::overwrite_existing);
    }
    // Simulated recorders; every wait lasts a hundredth of its nominal time.
    void WriteDrives(const std::string& recorders) const {
        WriteFile("NeroAPI-drives.ini", "time scale = 0.01\n" + recorders);
    }
    std::string Folder() const { return box_.Folder(); }

    // The window as the application hands it over; a non-empty `settings`
    // becomes Brenvik.ini first. A batch window's worker reads the command
    // line at once and its result is kept.
    platform::HeadlessDialogHost& Start(const std::string& settings = "", const std::string& commandLine = "",
                                        bool batch = false) {
        dlg_.reset();
        if (!settings.empty()) WriteFile("Brenvik.ini", settings);
        dlg_ = std::make_unique<CBurnDlg>();
        dlg_->m_strProgramDir = (dir_ / "brenvik-burn").string().c_str();
        dlg_->m_strCommandLine = commandLine.c_str();
        if (batch) {
            dlg_->m_nCommandLineDelayMs = 0;
            dlg_->m_onCommandLineDone = [this](CDialog&, int result) { workerResult_ = result; };
        }
        return ui_.Open(*dlg_);
    }

    // A copy of the sample DVD root inside the sandbox.
    std::string SampleRoot(const std::string& name = "dvd") const {
        const fs::path root = dir_ / name;
        fs::remove_all(root);
        fs::copy(fs::path(BB_SOURCE_DIR) / "samples" / "dvd-sample", root, fs::copy_options::recursive);
        return root.string();
    }
    // The DVD root and the label typed in, the size gate run as the focus
    // change of the DVD root edit would.
    void ChooseRoot(platform::HeadlessDialogHost& h, const std::string& root, const std::string& label) {
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root));
        ASSERT_TRUE(h.Type(IDC_VOLUME, label));
        dlg_->UpdateData(TRUE);
        ASSERT_EQ(dlg_->CheckSourceSize(), 0);
    }

    // english.lng's text `id`, read from the source tree: a window that has
    // ended takes its own language table along.
    static std::string T(int id) { return LanguageTable(std::string(BB_SOURCE_DIR) + "/lang/english.lng").GetText(id); }
    // The text `id` of a language file of the sandbox.
    std::string TextOf(const std::string& file, int id) const { return LanguageTable(box_.At(file)).GetText(id); }

    // Lets the jobs on workers run to their end, handling on this (the
    // window's) thread what they post to the window meanwhile.
    void Settle() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        for (;;) {
            while (ui_.HasPendingMessage()) (void)ui_.PumpMessage();
            if (WaitForWorkerThreads(10) && !ui_.HasPendingMessage()) return;
            ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "a job thread did not end";
        }
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

    bbtest::Sandbox box_;
    const fs::path dir_ = box_.Root();
    platform::HeadlessUi ui_;
    platform::ScriptedFilePickers pickers_;
    std::unique_ptr<platform::FileRegistry> registry_;
    std::optional<NeroApiLib::ScopedServices> library_;
    std::unique_ptr<CBurnDlg> dlg_;
    std::atomic<int> workerResult_{-1000};
};

}  // namespace uitest

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

namespace jobstest {

namespace fs = std::filesystem;

class JobsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of this run's own: the same test may run in another build
        // of the tree at the same time.
        sandbox_.emplace();
        dir_ = sandbox_->Root();
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", dir_ / "english.lng");
        // Read once: a shutdown sequence ends the window and its language
        // table along with it.
        const LanguageTable english((dir_ / "english.lng").string());
        for (const TextIdSignature& text : kTextIdTable)
            texts_[text.id] = english.GetText(text.id);
        ui_.AddTemplate(app::HeadlessMainDialog());

        registry_ = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), (dir_ / "registry.ini").string(),
            std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, NeroApiLib::kSharedKey,
                                                    NeroApiLib::kSharedValue, BB_PROGRAM_DIR}});
        NeroApiLib::Services services;
        services.registry = registry_.get();
        library_.emplace(services);
        ::setenv("BB_NEROAPI_CONFIG", (dir_ / "NeroAPI-drives.ini").string().c_str(), 1);
        platform::SetSystemFilePickers(&pickers_);
    }
    void TearDown() override {
        dlg_.reset();
        library_.reset();
        platform::SetSystemFilePickers(nullptr);
        fs::remove_all(dir_);
    }

    void WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    // Simulated recorders; every wait lasts a hundredth of its nominal time.
    void WriteDrives(const std::string& recorders) const {
        WriteFile("NeroAPI-drives.ini", "time scale = 0.01\n" + recorders);
    }

    platform::HeadlessDialogHost& Start(const std::string& settings = "") {
        WriteFile("Brenvik.ini", settings);
        dlg_ = std::make_unique<CBurnDlg>();
        dlg_->m_strProgramDir = (dir_ / "brenvik-burn").string().c_str();
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

    std::string T(int id) const { return texts_.at(id); }

    // Lets the jobs on workers run to their end, handling on this (the
    // window's) thread what they post to the window meanwhile.
    void Settle() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        for (;;) {
            while (ui_.HasPendingMessage())
                (void)ui_.PumpMessage();
            if (WaitForWorkerThreads(10) && !ui_.HasPendingMessage())
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

    std::optional<bbtest::Sandbox> sandbox_;

    fs::path dir_;
    platform::HeadlessUi ui_;
    platform::ScriptedFilePickers pickers_;
    std::unique_ptr<platform::FileRegistry> registry_;
    std::optional<NeroApiLib::ScopedServices> library_;
    std::map<int, std::string> texts_;
    std::unique_ptr<CBurnDlg> dlg_;
};

}  // namespace jobstest

// A main window on the headless host, started in a sandbox program folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "app/MainDialogHeadless.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Environment.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "tests/support/Sandbox.h"

namespace uitest {

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of this run's own: the same test may run in another build
        // of the tree at the same time.
        sandbox_.emplace();
        dir_ = sandbox_->Root();
        ui_.AddTemplate(app::HeadlessMainDialog());
        // The recording library of this build, where the program would find
        // it; with no drives file only its image recorder is offered.
        registry_ = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), (dir_ / "registry.ini").string(),
            std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, NeroApiLib::kSharedKey,
                                                    NeroApiLib::kSharedValue, BB_PROGRAM_DIR}});
        NeroApiLib::Services services;
        services.registry = registry_.get();
        library_.emplace(services);
        (void)platform::SystemEnvironment().Set("BB_NEROAPI_CONFIG", (dir_ / "NeroAPI-drives.ini").string());
    }
    void TearDown() override {
        dlg_.reset();
        library_.reset();
        fs::remove_all(dir_);
    }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    void CopyEnglish() {
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", dir_ / "english.lng");
    }
    std::string Folder() const { return dir_.string(); }

    // Runs the window's start-up as the application would hand it over.
    platform::HeadlessDialogHost& Start(const std::string& commandLine = "") {
        dlg_ = std::make_unique<CBurnDlg>();
        dlg_->m_strProgramDir = (dir_ / "brenvik-burn").string().c_str();
        dlg_->m_strCommandLine = commandLine.c_str();
        return ui_.Open(*dlg_);
    }

    std::optional<bbtest::Sandbox> sandbox_;

    fs::path dir_;
    platform::HeadlessUi ui_;
    std::unique_ptr<CBurnDlg> dlg_;
    std::unique_ptr<platform::FileRegistry> registry_;
    std::optional<NeroApiLib::ScopedServices> library_;
};

}  // namespace uitest

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

namespace bb::app::test {

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of this run's own: the same test may run in another build
        // of the tree at the same time.
        m_sandbox.emplace();
        m_dir = m_sandbox->Root();
        m_ui.AddTemplate(app::HeadlessMainDialog());
        // The recording library of this build, where the program would find
        // it; with no drives file only its image recorder is offered.
        m_registry = std::make_unique<platform::FileRegistry>(
            platform::SystemFiles(), (m_dir / "registry.ini").string(),
            std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, neroapi::kSharedKey,
                                                    neroapi::kSharedValue, BB_PROGRAM_DIR}});
        neroapi::Services services;
        services.registry = m_registry.get();
        m_library.emplace(services);
        (void)platform::SystemEnvironment().Set("BB_NEROAPI_CONFIG", (m_dir / "NeroAPI-drives.ini").string());
    }
    void TearDown() override {
        m_dlg.reset();
        m_library.reset();
        fs::remove_all(m_dir);
    }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    void CopyEnglish() {
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", m_dir / "english.lng");
    }
    std::string Folder() const { return m_dir.string(); }

    // Runs the window's start-up as the application would hand it over.
    platform::HeadlessDialogHost& Start(const std::string& commandLine = "") {
        m_dlg = std::make_unique<CBurnDlg>();
        m_dlg->m_strProgramDir = (m_dir / "brenvik-burn").string().c_str();
        m_dlg->m_strCommandLine = commandLine.c_str();
        return m_ui.Open(*m_dlg);
    }

    std::optional<bb::test::Sandbox> m_sandbox;

    fs::path m_dir;
    platform::HeadlessUi m_ui;
    std::unique_ptr<CBurnDlg> m_dlg;
    std::unique_ptr<platform::FileRegistry> m_registry;
    std::optional<neroapi::ScopedServices> m_library;
};

}  // namespace bb::app::test

// A fresh folder per test, removed afterwards, with a language file whose
// texts name their ids ("T682"; the label texts carry their %d), so that
// logs can be compared line by line.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "compilation/CompilationHost.h"
#include "platform/Paths.h"
#include "settings/LanguageTable.h"

class ScanSandbox : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The clock keeps runs apart should a run leave a folder behind.
        std::string name = std::string("bb-scan-") + info->name() + "-" +
                           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                           "-" + std::to_string(counter++);
        for (char& c : name)
            if (c == '/')
                c = '_';
        base_ = std::filesystem::temp_directory_path() / name;
        ASSERT_TRUE(std::filesystem::create_directories(base_ / "root"));
        root_ = (base_ / "root").string();
        std::ofstream lng(base_ / "test.lng", std::ios::binary);
        for (int id = 500; id <= 832; ++id)
            lng << id << ": T" << id << (id == 594 || id == 596 || id == 622 ? " %d" : "") << "\n";
        lng.close();
        texts_.SetFile((base_ / "test.lng").string());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

    // Path below the root, written with '/' and joined with the platform's
    // separator.
    std::string At(const std::string& relative) const {
        std::string path = root_;
        size_t start = 0;
        while (start <= relative.size()) {
            size_t slash = relative.find('/', start);
            if (slash == std::string::npos)
                slash = relative.size();
            if (slash > start)
                path = platform::JoinPath(path, relative.substr(start, slash - start));
            start = slash + 1;
        }
        return path;
    }
    // Files and folders (names ending in '/') below the root.
    void MakeTree(const std::vector<std::string>& entries) const {
        for (const std::string& e : entries) {
            if (!e.empty() && e.back() == '/') {
                std::filesystem::create_directories(At(e));
                continue;
            }
            std::filesystem::create_directories(std::filesystem::path(At(e)).parent_path());
            std::ofstream(At(e), std::ios::binary) << e;
        }
    }

    // A symbolic link at `relative` to the folder `target` (relative to the
    // link's folder, or absolute). False where the system makes none.
    bool MakeFolderLink(const std::string& relative, const std::filesystem::path& target) const {
        std::error_code error;
        std::filesystem::create_directory_symlink(target, At(relative), error);
        return !error && std::filesystem::is_directory(At(relative), error);
    }

    std::filesystem::path base_;
    std::string root_;
    LanguageTable texts_;
};

// Records what the scan reports to the main window.
class RecordingWindow : public compilation::LogSink, public compilation::StatusLine {
public:
    explicit RecordingWindow(const LanguageTable& texts) : texts_(texts) {}
    void AppendLog(const std::string& line) override { log.push_back(line); }
    void AppendLogId(int id) override { log.push_back(texts_.GetText(id)); }
    void ShowStatus(const std::string& text) override { status.push_back(text); }

    std::vector<std::string> log;
    std::vector<std::string> status;

private:
    const LanguageTable& texts_;
};

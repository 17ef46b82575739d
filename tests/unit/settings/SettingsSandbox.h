// A fresh folder per test for a settings file, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        folder_ = std::filesystem::temp_directory_path() /
                  ("bb-settings-" + std::string(::testing::UnitTest::GetInstance()
                                                    ->current_test_info()
                                                    ->name()) +
                   "-" + std::to_string(counter++));
        std::filesystem::remove_all(folder_);
        ASSERT_TRUE(std::filesystem::create_directories(folder_));
        path_ = SettingsFilePath(folder_.string());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder_;
    std::string path_;
    LanguageTable builtinTexts_;  // no language file: the built-in template
};


// A fresh folder per test, removed afterwards.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '-';
        // The clock keeps two builds running the same test apart.
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_dir = std::filesystem::temp_directory_path() / ("bb-lang-" + name + "-" + std::to_string(stamp));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    // Writes `bytes` exactly as given (binary), returns the full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        std::filesystem::path path = m_dir / name;
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        return path.string();
    }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

private:
    std::filesystem::path m_dir;
};

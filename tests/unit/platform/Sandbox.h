// A fresh folder per test under the system's temporary folder, removed with
// everything in it when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Paths.h"

class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("bb-") + info->test_suite_name() + "-" + info->name() + "-" +
                           std::to_string(counter++);
        for (char& c : name)
            if (c == '/')
                c = '_';
        root_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(root_);
        ASSERT_TRUE(std::filesystem::create_directories(root_));
        folder_ = root_.string();
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Path of `name` inside the sandbox, joined with the platform separator.
    std::string At(const std::string& name) const { return platform::JoinPath(folder_, name); }
    void MakeFile(const std::string& name, const std::string& content = "") const {
        std::ofstream(At(name), std::ios::binary) << content;
    }
    void MakeFolder(const std::string& name) const { std::filesystem::create_directory(At(name)); }
    std::string Content(const std::string& name) const {
        std::ifstream in(At(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path root_;
    std::string folder_;
};

// A fresh folder per test under the system's temporary folder, removed with
// everything in it when the test ends, and helpers to fill and read it.
// Relative paths are written with '/' and joined with the platform's
// separator. Use bb::test::SandboxTest as a fixture, or a bb::test::Sandbox
// member inside a test.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace bb::test {

class Sandbox {
public:
    Sandbox() {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "bb-";
        if (info) name += std::string(info->test_suite_name()) + "-" + info->name() + "-";
        // The clock keeps two builds running the same test apart; the counter
        // two sandboxes of one test.
        name += std::to_string(std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007) + "-" +
                std::to_string(counter++);
        for (char& c : name)
            if (c == '/' || c == '\\' || c == ':') c = '_';
        m_root = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root);
    }
    ~Sandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    [[nodiscard]] const std::filesystem::path& Root() const { return m_root; }
    [[nodiscard]] std::string Folder() const { return m_root.string(); }

    // `relative` below the sandbox ("" is the sandbox itself).
    [[nodiscard]] std::string At(const std::string& relative) const {
        std::filesystem::path path = m_root;
        size_t start = 0;
        while (start <= relative.size()) {
            size_t slash = relative.find('/', start);
            if (slash == std::string::npos) slash = relative.size();
            if (slash > start) path /= relative.substr(start, slash - start);
            start = slash + 1;
        }
        return path.string();
    }
    // Writes `bytes` exactly as given, making the folders above; the full path.
    std::string WriteFile(const std::string& relative, const std::string& bytes = "") const {
        const std::string path = At(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string MakeFolder(const std::string& relative) const {
        const std::string path = At(relative);
        std::filesystem::create_directories(path);
        return path;
    }
    // Files and folders (names ending in '/'); each file holds its own name.
    void MakeTree(const std::vector<std::string>& entries) const {
        for (const std::string& e : entries) {
            if (!e.empty() && e.back() == '/') MakeFolder(e);
            else WriteFile(e, e);
        }
    }
    // A symbolic link at `relative` to the folder `target`. False where the
    // system makes none.
    bool MakeFolderLink(const std::string& relative, const std::filesystem::path& target) const {
        std::error_code error;
        std::filesystem::create_directory_symlink(target, At(relative), error);
        return !error && std::filesystem::is_directory(At(relative), error);
    }
    [[nodiscard]] std::string Read(const std::string& relative) const {
        std::ifstream in(At(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_root;
};

class SandboxTest : public ::testing::Test, protected Sandbox {};

}  // namespace bb::test

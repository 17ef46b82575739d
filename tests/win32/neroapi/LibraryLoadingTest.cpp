// Loading the recording library with the real registry, environment and
// module loader of Windows, in the test's throwaway Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"

namespace bb::neroapi {

namespace {

const char* const kAppPathsKey = neroapi::kAppPathsKey;
const char* const kSharedKey = neroapi::kSharedKey;

// The build folder as Wine shows it: drive Z: is the Unix root.
std::string WindowsPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::optional<std::string> ReadValue(const char* key, const char* value) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return std::nullopt;
    char buffer[512] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExA(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    return std::string(buffer);
}

void WriteValue(const char* key, const char* value, const std::string& data) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(handle, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                             static_cast<DWORD>(data.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

std::string CurrentPath() {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

bool ModuleLoaded(const std::string& fullPath) { return GetModuleHandleA(fullPath.c_str()) != nullptr; }

class LibraryLoading : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSources();
        m_path = CurrentPath();
        m_services.emplace(neroapi::Services{});  // the system's own
    }
    void TearDown() override {
        m_services.reset();
        RemoveSources();
        SetEnvironmentVariableA("PATH", m_path.c_str());
        EXPECT_FALSE(ModuleLoaded(m_accepting + "\\NeroAPI.dll"));
        EXPECT_FALSE(ModuleLoaded(m_refusing + "\\NeroAPI.dll"));
    }
    static void RemoveSources() {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSharedKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey);
    }

    const std::string m_accepting = WindowsPath(BB_FAKE_LIB_ACCEPTING);
    const std::string m_refusing = WindowsPath(BB_FAKE_LIB_REFUSING);
    std::string m_path;
    std::optional<neroapi::ScopedServices> m_services;
};

TEST_F(LibraryLoading, FirstSourceWithOrWithoutTrailingBackslash) {
    for (const std::string& value : {m_accepting + "\\", m_accepting}) {
        SCOPED_TRACE(value);
        WriteValue(kSharedKey, neroapi::kSharedValue, value);
        SetEnvironmentVariableA("PATH", m_path.c_str());

        ASSERT_TRUE(neroapi::Load());
        EXPECT_TRUE(ModuleLoaded(m_accepting + "\\NeroAPI.dll"));
        EXPECT_EQ(ReadValue(kSharedKey, neroapi::kSharedValue), m_accepting);
        // PATH gets the folder as the registry held it.
        EXPECT_EQ(CurrentPath(), value + ";" + m_path);
        // A call through the real export: both sides agree on the convention.
        EXPECT_EQ(neroapi::NeroEraseCDRW(reinterpret_cast<neroapi::DeviceHandle>(7), 1), 71);
        // Entry points the library lacks give their substitutes.
        EXPECT_EQ(neroapi::NeroInit(nullptr, nullptr), 1);
        neroapi::LibraryText name(neroapi::NeroGetTypeNameOfMedia(neroapi::kMediaMaskCd, nullptr));
        ASSERT_TRUE(name);
        EXPECT_STREQ(name.get(), "CD-R/RW");

        neroapi::Unload();
        EXPECT_FALSE(ModuleLoaded(m_accepting + "\\NeroAPI.dll"));
    }
}

TEST_F(LibraryLoading, AppPathsFolderIsUsedAndWrittenBackAsTheFirstSource) {
    WriteValue(kAppPathsKey, neroapi::kAppPathsValue, m_accepting);
    WriteValue(kSharedKey, "other", "x");  // the key exists, the value does not

    ASSERT_TRUE(neroapi::Load());
    EXPECT_TRUE(ModuleLoaded(m_accepting + "\\NeroAPI.dll"));
    EXPECT_EQ(ReadValue(kSharedKey, neroapi::kSharedValue), m_accepting);
}

TEST_F(LibraryLoading, BothSourcesMissingLoadsNothing) {
    EXPECT_FALSE(neroapi::Load());
    EXPECT_FALSE(neroapi::IsLoaded());
    EXPECT_EQ(CurrentPath(), m_path);
    EXPECT_EQ(ReadValue(kSharedKey, neroapi::kSharedValue), std::nullopt);
}

TEST_F(LibraryLoading, LibraryWithoutEitherExpectedVersionCallIsFreedAgain) {
    WriteValue(kSharedKey, neroapi::kSharedValue, m_refusing);
    EXPECT_FALSE(neroapi::Load());
    EXPECT_FALSE(neroapi::IsLoaded());
    EXPECT_FALSE(ModuleLoaded(m_refusing + "\\NeroAPI.dll"));
}

TEST_F(LibraryLoading, PathIsExtendedExactlyOnce) {
    WriteValue(kSharedKey, neroapi::kSharedValue, m_accepting);
    ASSERT_TRUE(neroapi::Load());
    ASSERT_TRUE(neroapi::Load());
    EXPECT_EQ(CurrentPath(), m_accepting + ";" + m_path);
}

}  // namespace

}  // namespace bb::neroapi

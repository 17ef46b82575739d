// Loading the recording library with the real registry, environment and
// module loader of Windows, in the test's throwaway Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Registry.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::neroapi {
namespace {

using wintest::WinPath;

// What the loader wrote back, read through the service the program reads with.
std::optional<std::string> ReadValue(const char* key, const char* value) {
    return platform::SystemRegistry().ReadString(platform::RegistryRoot::LocalMachine, key, value);
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

    const std::string m_accepting = WinPath(BB_FAKE_LIB_ACCEPTING);
    const std::string m_refusing = WinPath(BB_FAKE_LIB_REFUSING);
    std::string m_path;
    std::optional<neroapi::ScopedServices> m_services;
};

// The value's other shapes (no trailing backslash, App Paths) are the
// portable loading tests' cases; here the real registry, PATH and loader.
TEST_F(LibraryLoading, FirstSourceWithTrailingBackslashExtendsPathOnce) {
    WriteValue(kSharedKey, neroapi::kSharedValue, m_accepting + "\\");
    ASSERT_TRUE(neroapi::Load());
    ASSERT_TRUE(neroapi::Load());
    EXPECT_TRUE(ModuleLoaded(m_accepting + "\\NeroAPI.dll"));
    EXPECT_EQ(ReadValue(kSharedKey, neroapi::kSharedValue), m_accepting);
    // PATH gets the folder as the registry held it, once.
    EXPECT_EQ(CurrentPath(), m_accepting + "\\;" + m_path);
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

// Without a source nothing is loaded or written back; a library without
// either expected-version call is freed again.
TEST_F(LibraryLoading, MissingOrRefusingLibraryLoadsNothing) {
    EXPECT_FALSE(neroapi::Load());
    EXPECT_FALSE(neroapi::IsLoaded());
    EXPECT_EQ(CurrentPath(), m_path);
    EXPECT_EQ(ReadValue(kSharedKey, neroapi::kSharedValue), std::nullopt);

    WriteValue(kSharedKey, neroapi::kSharedValue, m_refusing);
    EXPECT_FALSE(neroapi::Load());
    EXPECT_FALSE(neroapi::IsLoaded());
    EXPECT_FALSE(ModuleLoaded(m_refusing + "\\NeroAPI.dll"));
}

}  // namespace
}  // namespace bb::neroapi

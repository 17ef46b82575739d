// The real registry of the throwaway Wine prefix, reached through the
// service and checked against the raw Win32 calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"

namespace {

using platform::RegistryRoot;

struct RootCase {
    RegistryRoot root;
    HKEY hkey;
    const char* name;
};

// The discovered test names carry the root's name.
void PrintTo(const RootCase& c, std::ostream* os) { *os << c.name; }

class RegistryTest : public ::testing::TestWithParam<RootCase> {
protected:
    void SetUp() override {
        key_ = "Software\\BrenvikBurnTest\\" + std::to_string(GetCurrentProcessId());
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExA(GetParam().hkey, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(created);
    }
    void TearDown() override {
        RegDeleteKeyA(GetParam().hkey, key_.c_str());
        RegDeleteKeyA(GetParam().hkey, "Software\\BrenvikBurnTest");
    }
    void SetRaw(const char* value, DWORD type, const void* data, DWORD size) {
        HKEY k = nullptr;
        ASSERT_EQ(RegOpenKeyExA(GetParam().hkey, key_.c_str(), 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(k, value, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(k);
    }

    platform::Registry& registry_ = platform::SystemRegistry();
    std::string key_;
};

TEST_P(RegistryTest, WriteReadDeleteRoundTrip) {
    const RegistryRoot root = GetParam().root;
    ASSERT_TRUE(registry_.WriteString(root, key_, "NeroAPI", "C:\\Lib\\Shared"));
    EXPECT_EQ(registry_.ReadString(root, key_, "NeroAPI"), "C:\\Lib\\Shared");
    // Registry names ignore letter case.
    EXPECT_EQ(registry_.ReadString(root, key_, "neroapi"), "C:\\Lib\\Shared");

    // Written as REG_SZ with the terminator counted.
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(GetParam().hkey, key_.c_str(), 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(k, "NeroAPI", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof("C:\\Lib\\Shared"));

    ASSERT_TRUE(registry_.DeleteValue(root, key_, "NeroAPI"));
    EXPECT_EQ(registry_.ReadString(root, key_, "NeroAPI"), std::nullopt);
    EXPECT_FALSE(registry_.DeleteValue(root, key_, "NeroAPI"));

    // A missing key neither reads nor writes.
    const std::string missing = key_ + "\\Missing";
    EXPECT_EQ(registry_.ReadString(root, missing, "NeroAPI"), std::nullopt);
    EXPECT_FALSE(registry_.WriteString(root, missing, "NeroAPI", "x"));
    EXPECT_FALSE(registry_.DeleteValue(root, missing, "NeroAPI"));
}

TEST_P(RegistryTest, ValueMustFitTheCallersBuffer) {
    const RegistryRoot root = GetParam().root;
    const std::string fits(254, 'a'), tooLong(255, 'b');
    ASSERT_TRUE(registry_.WriteString(root, key_, "Fits", fits));
    ASSERT_TRUE(registry_.WriteString(root, key_, "TooLong", tooLong));
    EXPECT_EQ(registry_.ReadString(root, key_, "Fits", 255), fits);
    EXPECT_EQ(registry_.ReadString(root, key_, "TooLong", 255), std::nullopt);
    EXPECT_EQ(registry_.ReadString(root, key_, "TooLong", 256), tooLong);
}

TEST_P(RegistryTest, DefaultValueAndNonStringTypes) {
    const RegistryRoot root = GetParam().root;
    ASSERT_TRUE(registry_.WriteString(root, key_, "", "htmlfile"));
    EXPECT_EQ(registry_.ReadString(root, key_, ""), "htmlfile");

    const DWORD number = 7;
    SetRaw("Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(registry_.ReadString(root, key_, "Number"), std::nullopt);

    // Stored without a terminator: the text ends with the data.
    SetRaw("Unterminated", REG_SZ, "abc", 3);
    EXPECT_EQ(registry_.ReadString(root, key_, "Unterminated"), "abc");
}

INSTANTIATE_TEST_SUITE_P(Roots, RegistryTest,
                         ::testing::Values(RootCase{RegistryRoot::LocalMachine, HKEY_LOCAL_MACHINE, "HKLM"},
                                           RootCase{RegistryRoot::CurrentUser, HKEY_CURRENT_USER, "HKCU"}));

}  // namespace

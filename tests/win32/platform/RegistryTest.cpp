// The real registry of the throwaway Wine prefix, reached through the
// service and checked against the raw Win32 calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"

namespace bb::platform {
namespace {

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
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExA(GetParam().hkey, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created,
                                  nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(created);
    }
    void TearDown() override {
        RegDeleteKeyA(GetParam().hkey, m_key.c_str());
        RegDeleteKeyA(GetParam().hkey, "Software\\BrenvikBurnTest");
    }
    // Queries or sets a value with the raw calls; the query gives type and size.
    void Raw(const char* value, DWORD* type, DWORD* size, const void* data = nullptr) {
        HKEY k = nullptr;
        ASSERT_EQ(RegOpenKeyExA(GetParam().hkey, m_key.c_str(), 0, KEY_READ | KEY_SET_VALUE, &k), ERROR_SUCCESS);
        if (data)
            EXPECT_EQ(RegSetValueExA(k, value, 0, *type, static_cast<const BYTE*>(data), *size), ERROR_SUCCESS);
        else
            EXPECT_EQ(RegQueryValueExA(k, value, nullptr, type, nullptr, size), ERROR_SUCCESS);
        RegCloseKey(k);
    }

    Registry& m_registry = SystemRegistry();
    const RegistryRoot m_root = GetParam().root;
    const std::string m_key = "Software\\BrenvikBurnTest\\" + std::to_string(GetCurrentProcessId());
};

TEST_P(RegistryTest, WriteReadDeleteRoundTrip) {
    ASSERT_TRUE(m_registry.WriteString(m_root, m_key, "NeroAPI", "C:\\Lib\\Shared"));
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "NeroAPI"), "C:\\Lib\\Shared");
    // Registry names ignore letter case.
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "neroapi"), "C:\\Lib\\Shared");
    // Written as REG_SZ with the terminator counted.
    DWORD type = 0, size = 0;
    Raw("NeroAPI", &type, &size);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, sizeof("C:\\Lib\\Shared"));

    ASSERT_TRUE(m_registry.DeleteValue(m_root, m_key, "NeroAPI"));
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "NeroAPI"), std::nullopt);
    EXPECT_FALSE(m_registry.DeleteValue(m_root, m_key, "NeroAPI"));

    // A missing key neither reads nor writes.
    const std::string missing = m_key + "\\Missing";
    EXPECT_EQ(m_registry.ReadString(m_root, missing, "NeroAPI"), std::nullopt);
    EXPECT_FALSE(m_registry.WriteString(m_root, missing, "NeroAPI", "x"));
    EXPECT_FALSE(m_registry.DeleteValue(m_root, missing, "NeroAPI"));
}

TEST_P(RegistryTest, BufferLimitDefaultValueAndNonStringTypes) {
    const std::string fits(254, 'a'), tooLong(255, 'b');
    ASSERT_TRUE(m_registry.WriteString(m_root, m_key, "Fits", fits));
    ASSERT_TRUE(m_registry.WriteString(m_root, m_key, "TooLong", tooLong));
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "Fits", 255), fits);
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "TooLong", 255), std::nullopt);
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "TooLong", 256), tooLong);

    ASSERT_TRUE(m_registry.WriteString(m_root, m_key, "", "htmlfile"));
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, ""), "htmlfile");
    const DWORD number = 7;
    DWORD type = REG_DWORD, size = sizeof number;
    Raw("Number", &type, &size, &number);
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "Number"), std::nullopt);
    // Stored without a terminator: the text ends with the data.
    type = REG_SZ, size = 3;
    Raw("Unterminated", &type, &size, "abc");
    EXPECT_EQ(m_registry.ReadString(m_root, m_key, "Unterminated"), "abc");
}

INSTANTIATE_TEST_SUITE_P(Roots, RegistryTest,
                         ::testing::Values(RootCase{RegistryRoot::LocalMachine, HKEY_LOCAL_MACHINE, "HKLM"},
                                           RootCase{RegistryRoot::CurrentUser, HKEY_CURRENT_USER, "HKCU"}));

}  // namespace
}  // namespace bb::platform

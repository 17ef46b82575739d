#include <gtest/gtest.h>

#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

using platform::FileRegistry;
using platform::RegistryRoot;

const char kShared[] = "SOFTWARE\\ahead\\Shared";

class FileRegistryTest : public bb::test::SandboxTest {
protected:
    FileRegistry Store(std::vector<platform::RegistryDefault> defaults = {}) {
        return FileRegistry(platform::SystemFiles(), At("registry.ini"), std::move(defaults));
    }
};

TEST_F(FileRegistryTest, ValuesSurviveANewStoreAndIgnoreLetterCase) {
    {
        FileRegistry store = Store();
        ASSERT_TRUE(store.WriteString(RegistryRoot::LocalMachine, kShared, "NeroAPI", "/opt/lib"));
        ASSERT_TRUE(store.WriteString(RegistryRoot::CurrentUser, kShared, "NeroAPI", "/home/lib"));
        ASSERT_TRUE(store.WriteString(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile"));
    }
    FileRegistry store = Store();
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, "software\\AHEAD\\shared", "neroapi"), "/opt/lib");
    EXPECT_EQ(store.ReadString(RegistryRoot::CurrentUser, kShared, "NeroAPI"), "/home/lib");
    EXPECT_EQ(store.ReadString(RegistryRoot::ClassesRoot, ".htm", ""), "htmlfile");
    EXPECT_EQ(store.ReadString(RegistryRoot::ClassesRoot, kShared, "NeroAPI"), std::nullopt);

    // Rewriting keeps one value, in the case first written.
    ASSERT_TRUE(store.WriteString(RegistryRoot::LocalMachine, kShared, "NEROAPI", "/opt/other"));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "NeroAPI"), "/opt/other");
    EXPECT_EQ(Read("registry.ini").find("NEROAPI"), std::string::npos);
}

TEST_F(FileRegistryTest, ReadsAHandWrittenFile) {
    WriteFile("registry.ini",
             "; made by hand\r\n"
             "# another comment\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Nero.exe]\r\n"
             "Path=/opt/app=with=equals\r\n"
             "\r\n"
             "[HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command]\r\n"
             "@=firefox \"%1\"\r\n");
    FileRegistry store = Store();
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine,
                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Nero.exe", "Path"),
              "/opt/app=with=equals");
    EXPECT_EQ(store.ReadString(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", ""),
              "firefox \"%1\"");
}

TEST_F(FileRegistryTest, DefaultsAnswerUntilAValueIsStored) {
    FileRegistry store = Store({{RegistryRoot::LocalMachine, kShared, "NeroAPI", "/program/folder"}});
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "NeroAPI"), "/program/folder");
    EXPECT_EQ(store.ReadString(RegistryRoot::CurrentUser, kShared, "NeroAPI"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(At("registry.ini"))) << "a read must not create the file";

    ASSERT_TRUE(store.WriteString(RegistryRoot::LocalMachine, kShared, "NeroAPI", "/elsewhere"));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "NeroAPI"), "/elsewhere");
    ASSERT_TRUE(store.DeleteValue(RegistryRoot::LocalMachine, kShared, "NeroAPI"));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "NeroAPI"), "/program/folder");
}

TEST_F(FileRegistryTest, ValueMustFitTheCallersBuffer) {
    FileRegistry store = Store({{RegistryRoot::LocalMachine, "Seeded", "Long", std::string(255, 's')}});
    ASSERT_TRUE(store.WriteString(RegistryRoot::LocalMachine, kShared, "Fits", std::string(254, 'a')));
    ASSERT_TRUE(store.WriteString(RegistryRoot::LocalMachine, kShared, "TooLong", std::string(255, 'b')));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "Fits", 255), std::string(254, 'a'));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "TooLong", 255), std::nullopt);
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "TooLong", 256), std::string(255, 'b'));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, "Seeded", "Long", 255), std::nullopt);
}

TEST_F(FileRegistryTest, RefusesWhatTheFileCannotHoldOrWhereItCannotBe) {
    FileRegistry store = Store();
    EXPECT_FALSE(store.WriteString(RegistryRoot::LocalMachine, kShared, "a=b", "x"));
    EXPECT_FALSE(store.WriteString(RegistryRoot::LocalMachine, kShared, "v", "two\nlines"));
    EXPECT_FALSE(store.WriteString(RegistryRoot::LocalMachine, "key\r\n[x]", "v", "x"));
    EXPECT_FALSE(store.DeleteValue(RegistryRoot::LocalMachine, kShared, "never"));
    EXPECT_EQ(store.ReadString(RegistryRoot::LocalMachine, kShared, "v"), std::nullopt);
    // Nor can a file be written where there is no folder.
    FileRegistry elsewhere(platform::SystemFiles(), platform::JoinPath(At("missing"), "registry.ini"));
    EXPECT_FALSE(elsewhere.WriteString(RegistryRoot::LocalMachine, kShared, "NeroAPI", "/x"));
}

}  // namespace
}  // namespace bb::platform

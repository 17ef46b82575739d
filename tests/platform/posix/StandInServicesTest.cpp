// The POSIX stand-ins: shutdown only reports, the program's registry store
// is seeded with the program folder, Windows is not there, and the helpers start
// programs without waiting for them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Shutdown.h"
#include "platform/Sound.h"
#include "platform/WindowsVersion.h"
#include "platform/posix/ProgramRegistry.h"
#include "platform/posix/Spawn.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

// The process lives on: nothing was shut down.
TEST(StandIns, ReportOrRefuseWithoutActing) {
    auto& shutdown = platform::SystemShutdown();
    EXPECT_EQ(shutdown.EndSession(8, 0, true), "would call enable SeShutdownPrivilege; ExitWindowsEx(0x8, 0x0)");
    EXPECT_EQ(shutdown.StartHidden("RUNDLL32.EXE user,ExitWindows"), "would start RUNDLL32.EXE user,ExitWindows");
    EXPECT_FALSE(platform::QueryWindowsVersion().read);
    // Whether "/" has a label depends on the machine; that it can be asked does not.
    EXPECT_TRUE(platform::SystemFiles().VolumeName("/").has_value());
    EXPECT_EQ(platform::SystemFiles().VolumeName("/nonexistent/folder"), std::nullopt);
    EXPECT_FALSE(platform::SystemSound().PlayFileAsync("/nonexistent/ding.wav"));
}

class StandInTest : public bb::test::SandboxTest {};

TEST_F(StandInTest, ProgramStoreIsSeededWithTheProgramFolder) {
    platform::Files& files = platform::SystemFiles();
    platform::Environment& environment = platform::SystemEnvironment();
    const std::string program = files.ProgramPath();
    const std::string folder = program.substr(0, program.rfind('/'));

    ASSERT_TRUE(environment.Set("BB_REGISTRY_FILE", ""));
    EXPECT_EQ(platform::MakeProgramRegistry(files, environment)->path(), folder + "/registry.ini");

    ASSERT_TRUE(environment.Set("BB_REGISTRY_FILE", At("registry.ini")));
    auto registry = platform::MakeProgramRegistry(files, environment);
    EXPECT_EQ(registry->path(), At("registry.ini"));
    EXPECT_EQ(registry->ReadString(platform::RegistryRoot::LocalMachine, "SOFTWARE\\ahead\\Shared", "NeroAPI"),
              folder);
    ASSERT_TRUE(registry->WriteString(platform::RegistryRoot::CurrentUser, "Software\\Test", "v", "x"));
    EXPECT_NE(Read("registry.ini").find("[HKEY_CURRENT_USER\\Software\\Test]\nv=x\n"), std::string::npos);
}

// Waits for a started program to leave its mark.
bool AppearsWithin(const std::string& path, std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        if (access(path.c_str(), F_OK) == 0) return true;
    return false;
}

TEST_F(StandInTest, SpawnStartsDetachedAndReportsMissingPrograms) {
    const std::string sh = platform::FindProgram("sh");
    ASSERT_FALSE(sh.empty());
    EXPECT_TRUE(platform::SpawnDetached({sh, "-c", "echo started > \"$0\"", At("mark")}));
    EXPECT_TRUE(AppearsWithin(At("mark"), std::chrono::seconds(5)));
    EXPECT_FALSE(platform::SpawnDetached({At("no-such-program")}));
    EXPECT_EQ(platform::FindProgram("bb-no-such-program"), "");
}

TEST_F(StandInTest, ShellRunFindsTheProgramOnPath) {
    // A stand-in "hh.exe" on PATH, run the way help is opened.
    WriteFile("hh.exe", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\n");
    ASSERT_EQ(chmod(At("hh.exe").c_str(), 0755), 0);
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath ? oldPath : "";
    ASSERT_EQ(setenv("PATH", (Folder() + ":" + saved).c_str(), 1), 0);
    auto& shell = platform::SystemShell();
    unsigned result = shell.Run("hh.exe \"/x/my help.chm\"", platform::kShowDefault);
    setenv("PATH", saved.c_str(), 1);
    EXPECT_GT(result, 31u);
    ASSERT_TRUE(AppearsWithin(At("opened"), std::chrono::seconds(5)));
    // Written by the script just after the file appeared; wait for the line.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Read("opened"), "/x/my help.chm\n");

    EXPECT_EQ(shell.Run("bb-no-such-program.exe x", platform::kShowDefault), 2u);
    EXPECT_EQ(shell.Open(At("missing.htm"), platform::kShowNormal), 2);
}

TEST(SplitCommandLine, Table) {
    using W = std::vector<std::string>;
    EXPECT_EQ(platform::SplitCommandLine("hh.exe C:\\x\\a.chm"), (W{"hh.exe", "C:\\x\\a.chm"}));
    EXPECT_EQ(platform::SplitCommandLine("  a   \"b c\"  d"), (W{"a", "b c", "d"}));
    EXPECT_EQ(platform::SplitCommandLine("a \"\""), (W{"a", ""}));
    EXPECT_EQ(platform::SplitCommandLine(""), W{});
}

}  // namespace
}  // namespace bb::platform

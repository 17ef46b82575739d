// Loading the DLL built beside this test by its full path.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Files.h"
#include "platform/ModuleLoader.h"

namespace bb::platform {

namespace {

std::string TestFolder() {
    std::string program = platform::SystemFiles().ProgramPath();
    return program.substr(0, program.rfind('\\'));
}

using AnswerFn = int(__cdecl*)(int);

TEST(ModuleLoaderWin32, LoadsByFullPathFindsSymbolsByNameAndFreesWithTheLastOwner) {
    const std::string path = TestFolder() + "\\bb_test_module.dll";
    {
        auto module = platform::SystemModuleLoader().Load(path);
        ASSERT_NE(module, nullptr);
        auto answer = reinterpret_cast<AnswerFn>(module->Symbol("bb_test_answer"));
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer(20), 41);
        EXPECT_EQ(module->Symbol("bb_no_such_export"), nullptr);
        EXPECT_NE(GetModuleHandleA(path.c_str()), nullptr);
    }
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
}

TEST(ModuleLoaderWin32, RefusesMissingFilesAndBareNames) {
    auto& loader = platform::SystemModuleLoader();
    EXPECT_EQ(loader.Load(TestFolder() + "\\no_such_module.dll"), nullptr);
    EXPECT_EQ(loader.Load(""), nullptr);
    // kernel32.dll exists on the search path, but is not named by a path.
    EXPECT_EQ(loader.Load("kernel32.dll"), nullptr);
}

}  // namespace

}  // namespace bb::platform

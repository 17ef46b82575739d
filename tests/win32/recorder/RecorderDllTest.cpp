// NeroAPI.dll as the program meets it on Windows: loaded by full path,
// every export found by its undecorated name, called through the cdecl
// pointer types of neroapi/NeroFunctions.h. (Burns through the program's
// callbacks run in the Wine scripts of app/.)
#include "neroapi/NeroFunctions.h"
#include "recorder/library/NeroApiExports.h"
#include "tests/support/Sandbox.h"
#include "tests/win32/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bb::recorder {
namespace {

using wintest::ProgramFolder;

HMODULE Library() {
    static HMODULE module = LoadLibraryA((ProgramFolder() + "\\NeroAPI.dll").c_str());
    return module;
}

const char* const kExports[] = {
    "NeroFreeMem", "NeroGetErrorLog", "NeroClearErrors", "NeroGetAPIVersion", "NeroGetAPIVersionEx",
    "NeroSetExpectedAPIVersion", "NeroSetExpectedAPIVersionEx", "NeroInit", "NeroDone",
    "NeroGetAvailableDrives", "NeroGetAvailableDrivesEx", "NeroOpenDevice", "NeroCloseDevice",
    "NeroGetCDInfo", "NeroBurn", "NeroCreateIsoItemOfSize", "NeroCreateIsoTrackEx", "NeroFreeIsoTrack",
    "NeroEjectLoadCD", "NeroGetCDRWErasingTime", "NeroEraseCDRW", "NeroGetTypeNameOfMedia",
    "NeroGetLocalizedWaitCDTexts",
};

TEST(RecorderDll, LoadsByFullPathAndResolvesEveryExportByItsPlainName) {
    ASSERT_NE(Library(), nullptr) << "LoadLibraryA failed: " << GetLastError();
    for (const char* name : kExports) {
        EXPECT_NE(GetProcAddress(Library(), name), nullptr) << name;
    }
}

#if BB_RECORDS_32BIT
// 32-bit only: there cdecl and stdcall differ in who removes the arguments,
// and the program calls every export as cdecl. x86-64 Windows has one
// calling convention, so there is nothing to tell apart.
// Calls a five-argument export the way a cdecl caller does and returns how
// far the callee moved the stack pointer: 0 for a cdecl callee, +20 for one
// that removes its own arguments (stdcall).
int StackShiftOfFiveArgumentCall(void* function, const uint32_t (&args)[5]) {
    int shift = 0;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "pushl 16(%2)\n\t"
        "pushl 12(%2)\n\t"
        "pushl 8(%2)\n\t"
        "pushl 4(%2)\n\t"
        "pushl (%2)\n\t"
        "call *%1\n\t"
        "movl %%esp, %%eax\n\t"
        "subl %%esi, %%eax\n\t"
        "addl $20, %%eax\n\t"
        "movl %%esi, %%esp\n\t"
        "movl %%eax, %0\n\t"
        : "=m"(shift)
        : "r"(function), "r"(args)
        : "eax", "ecx", "edx", "esi", "memory", "cc");
    return shift;
}

int __stdcall SelfCleaning(int, int, int, int, int) { return 0; }
int __cdecl CallerCleaned(int, int, int, int, int) { return 0; }

TEST(RecorderDll32BitOnly, VersionExportsKeepTheCallersStack) {
    // The probe itself tells the conventions apart.
    const uint32_t args[5] = {1, 2, 3, 4, 5};
    ASSERT_EQ(StackShiftOfFiveArgumentCall(reinterpret_cast<void*>(&SelfCleaning), args), 20);
    ASSERT_EQ(StackShiftOfFiveArgumentCall(reinterpret_cast<void*>(&CallerCleaned), args), 0);
    ASSERT_NE(Library(), nullptr);
    uint16_t parts[4] = {};
    const uint32_t versionArgs[5] = {reinterpret_cast<uint32_t>(&parts[0]), reinterpret_cast<uint32_t>(&parts[1]),
                                     reinterpret_cast<uint32_t>(&parts[2]), reinterpret_cast<uint32_t>(&parts[3]), 0};
    EXPECT_EQ(StackShiftOfFiveArgumentCall(reinterpret_cast<void*>(GetProcAddress(Library(), "NeroGetAPIVersionEx")),
                                           versionArgs),
              0);
    EXPECT_EQ(std::vector<uint16_t>(parts, parts + 4), (std::vector<uint16_t>{6, 6, 0, 1}));
    const uint32_t expectArgs[5] = {6, 6, 0, 1, 0};
    EXPECT_EQ(StackShiftOfFiveArgumentCall(
                  reinterpret_cast<void*>(GetProcAddress(Library(), "NeroSetExpectedAPIVersionEx")), expectArgs),
              0);
}
#endif

TEST(RecorderDll, ReadsTheDrivesFileBesideItsOwnModule) {
    ASSERT_NE(Library(), nullptr);
    bb::test::Sandbox box;
    const std::string copy = box.At("NeroAPI.dll");
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\NeroAPI.dll").c_str(), copy.c_str(), FALSE));
    box.WriteFile("NeroAPI-drives.ini", "[Beside The Module]\r\nmedia = 0x4\r\n");

    SetEnvironmentVariableA("BB_NEROAPI_CONFIG", nullptr);
    HMODULE second = LoadLibraryA(copy.c_str());
    ASSERT_NE(second, nullptr);
    auto drives = reinterpret_cast<neroapi::FnNeroGetAvailableDrivesEx>(
        reinterpret_cast<void*>(GetProcAddress(second, "NeroGetAvailableDrivesEx")));
    auto freeMem = reinterpret_cast<neroapi::FnNeroFreeMem>(reinterpret_cast<void*>(GetProcAddress(second, "NeroFreeMem")));
    neroapi::DriveInfoList* list = drives(neroapi::kMediaMaskDvd, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 2u);
    EXPECT_STREQ(list->drives[1].deviceName, "Beside The Module");
    freeMem(list);
    FreeLibrary(second);
}

}  // namespace
}  // namespace bb::recorder

// NeroAPI.dll as the program meets it on Windows: loaded by full path,
// every export found by its undecorated name, called through the cdecl
// pointer types of neroapi/NeroFunctions.h, calling back through cdecl
// callbacks.
#include "neroapi/NeroFunctions.h"
#include "recorder/library/NeroApiExports.h"
#include "tests/support/Sandbox.h"
#include "tests/win32/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace bb::recorder {

namespace {

using wintest::ProgramFolder;

HMODULE Library() {
    static HMODULE module = LoadLibraryA((ProgramFolder() + "\\NeroAPI.dll").c_str());
    return module;
}

template <typename Fn>
Fn Get(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(Library(), name)));
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

TEST(RecorderDll32BitOnly, StackShiftProbeTellsTheConventionsApart) {
    const uint32_t args[5] = {1, 2, 3, 4, 5};
    EXPECT_EQ(StackShiftOfFiveArgumentCall(reinterpret_cast<void*>(&SelfCleaning), args), 20);
    EXPECT_EQ(StackShiftOfFiveArgumentCall(reinterpret_cast<void*>(&CallerCleaned), args), 0);
}

TEST(RecorderDll32BitOnly, VersionExportsKeepTheCallersStack) {
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

// Callbacks of the program's kind: cdecl, user data first.
struct Job {
    std::string imagePath;
    std::vector<std::string> phases;
    std::vector<std::string> logs;
    std::vector<int> requests;
    int progressReports = 0;
    int lastPercent = -1;
};

int NERO_CDECL Idle(void*) { return 0; }
int NERO_CDECL UserDialog(void* user, int request, void* data) {
    auto* job = static_cast<Job*>(user);
    job->requests.push_back(request);
    if (request == neroapi::kRequestImageFileName) {
        std::strncpy(static_cast<char*>(data), job->imagePath.c_str(), neroapi::kImageFileNameCapacity - 1);
        return 1;
    }
    return 0;
}
int NERO_CDECL Progress(void* user, uint32_t percent) {
    auto* job = static_cast<Job*>(user);
    ++job->progressReports;
    job->lastPercent = static_cast<int>(percent);
    return 0;
}
int NERO_CDECL Aborted(void*) { return 0; }
void NERO_CDECL AddLogLine(void* user, int, const char* text) { static_cast<Job*>(user)->logs.push_back(text); }
void NERO_CDECL SetPhase(void* user, const char* text) { static_cast<Job*>(user)->phases.push_back(text); }

TEST(RecorderDll, SimulatedImageBurnCallsBackThroughCdeclCallbacks) {
    ASSERT_NE(Library(), nullptr);
    SetEnvironmentVariableA("BB_NEROAPI_CONFIG", "Z:\\nonexistent\\drives.ini");
    Job job;
    bb::test::Sandbox box;
    job.imagePath = box.At("image.iso");

    neroapi::LibSettingsRecord settings{};
    settings.idle = &Idle;
    settings.idleUser = &job;
    settings.userDialog = &UserDialog;
    settings.userDialogUser = &job;
    ASSERT_EQ(Get<neroapi::FnNeroInit>("NeroInit")(&settings, nullptr), 0);

    neroapi::DriveInfoList* list = Get<neroapi::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx")(neroapi::kMediaMaskDvd, nullptr);
    ASSERT_NE(list, nullptr);
    neroapi::DeviceHandle device = Get<neroapi::FnNeroOpenDevice>("NeroOpenDevice")(&list->drives[0]);
    ASSERT_NE(device, nullptr);

    // A one-file compilation from a file of our own.
    const std::string source = box.WriteFile("source.txt", "hello");
    neroapi::IsoItem item{};
    std::strcpy(item.name, "HELLO.TXT");
    std::strcpy(item.sourcePath, source.c_str());
    neroapi::IsoTrack* track = Get<neroapi::FnNeroCreateIsoTrackEx>("NeroCreateIsoTrackEx")(&item, "HELLO", 0x4018);
    ASSERT_NE(track, nullptr);
    neroapi::WriteDescription description{};
    description.track = track;
    description.mediaMask = neroapi::kMediaMaskDvd;
    neroapi::LibProgressRecord progress{&Progress, &Aborted, &AddLogLine, &SetPhase, &job, nullptr, nullptr, nullptr};

    // Many callbacks in one call: a convention mismatch on either side would
    // have moved the stack by now.
    const int result = Get<neroapi::FnNeroBurn>("NeroBurn")(device, 0, &description, 0x990C | neroapi::kBurnSimulate,
                                                         22160, &progress);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(job.requests, std::vector<int>{neroapi::kRequestImageFileName});
    EXPECT_GE(job.progressReports, 2);
    EXPECT_EQ(job.lastPercent, 100);
    ASSERT_FALSE(job.logs.empty());
    EXPECT_EQ(job.logs.front(), "Burn process started at 16x (22160 KB/s)");
    EXPECT_FALSE(job.phases.empty());
    EXPECT_EQ(GetFileAttributesA(job.imagePath.c_str()), INVALID_FILE_ATTRIBUTES);  // simulated: nothing written

    Get<neroapi::FnNeroFreeIsoTrack>("NeroFreeIsoTrack")(track);
    Get<neroapi::FnNeroCloseDevice>("NeroCloseDevice")(device);
    Get<neroapi::FnNeroFreeMem>("NeroFreeMem")(list);
    EXPECT_EQ(Get<neroapi::FnNeroDone>("NeroDone")(), 0);
}

}  // namespace

}  // namespace bb::recorder

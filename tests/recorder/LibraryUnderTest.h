// Our recording library as the program sees it: loaded from the program
// folder by file name, every entry point resolved by name and called through
// the pointer types of neroapi/NeroFunctions.h. Plus a sandbox per test, the
// callbacks of a job recorded, and an item tree built from a folder.
#pragma once

#include "neroapi/NeroFunctions.h"
#include "recorder/library/NeroApiExports.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace bb::recorder::test {

// Every entry point the program calls, by its name without "Nero".
#define BB_NERO_ENTRY_POINTS(X)                                                                  \
    X(FreeMem) X(GetErrorLog) X(ClearErrors) X(GetAPIVersion) X(GetAPIVersionEx)                \
    X(SetExpectedAPIVersion) X(SetExpectedAPIVersionEx) X(Init) X(Done) X(GetAvailableDrives)   \
    X(GetAvailableDrivesEx) X(OpenDevice) X(CloseDevice) X(GetCDInfo) X(Burn)                   \
    X(CreateIsoItemOfSize) X(CreateIsoTrackEx) X(FreeIsoTrack) X(EjectLoadCD)                   \
    X(GetCDRWErasingTime) X(EraseCDRW) X(GetTypeNameOfMedia) X(GetLocalizedWaitCDTexts)

struct NeroApi {
#define BB_NERO_FIELD(name) neroapi::FnNero##name name = nullptr;
    BB_NERO_ENTRY_POINTS(BB_NERO_FIELD)
#undef BB_NERO_FIELD
};

// Loaded once per process; the test fails on a missing entry point.
const NeroApi& Api();

// Library text as a string, freed with NeroFreeMem; "<null>" for null.
std::string TakeText(char* text);

// A program-owned item tree (as the program builds it), freed with the object.
class ItemTree {
public:
    // A folder of the disk, sorted by name; an empty tree for a missing folder.
    static ItemTree FromFolder(const std::filesystem::path& folder);
    neroapi::IsoItem* Add(const std::string& name, bool folder, const std::string& source,
                          neroapi::IsoItem* parent);
    neroapi::IsoItem* Root() const { return m_items.empty() ? nullptr : m_items.front().get(); }

private:
    void AddFolder(const std::filesystem::path& folder, neroapi::IsoItem* parent);
    std::vector<std::unique_ptr<neroapi::IsoItem>> m_items;
};

struct Event {
    enum Kind { Progress, Log, Phase, Request } kind;
    std::string text;  // log and phase text
    int value = 0;     // percent, request code
    intptr_t data = 0; // request data as a number (wait type of request 15)
    std::thread::id thread = std::this_thread::get_id();  // where the library called back
};

// The program's side of a blocking call: records what the library reports
// and answers as told.
class JobRecorder {
public:
    JobRecorder();
    ~JobRecorder();

    std::string imagePath;            // answer to request 20; empty: cancel
    int overwriteAnswer = 5;          // answer to request 22
    // Set the abort flag at the first progress report at or above this
    // percentage of the phase named `abortInPhase` (any phase when empty).
    int abortAtPercent = -1;
    std::string abortInPhase;

    std::vector<Event> events;
    bool abortRequested = false;
    std::chrono::steady_clock::time_point abortTime{};

    neroapi::LibProgressRecord* Progress() { return &m_progress; }
    std::vector<std::string> Texts(Event::Kind kind) const;  // log or phase lines
    std::vector<int> Requests() const;
    bool HasLog(const std::string& line) const;
    // Progress reports of each phase, in order.
    std::vector<std::vector<int>> ProgressByPhase() const;

private:
    neroapi::LibProgressRecord m_progress{};
    neroapi::LibSettingsRecord m_settings{};
    std::string m_phase;
    friend struct JobRecorderCallbacks;
};

// A sandbox for one test whose "drives.ini" BB_NEROAPI_CONFIG names.
class Sandbox : public bb::test::Sandbox {
public:
    Sandbox();
    ~Sandbox();
    void WriteConfig(const std::string& text) const { WriteFile("drives.ini", text); }
    std::filesystem::path operator/(const std::string& name) const { return Root() / name; }
};

std::filesystem::path SampleRoot();

// A drive list of the library, freed with the object.
struct DriveListDeleter {
    void operator()(neroapi::DriveInfoList* list) const { Api().FreeMem(list); }
};
using DriveList = std::unique_ptr<neroapi::DriveInfoList, DriveListDeleter>;
inline DriveList Drives(uint32_t mediaMask) { return DriveList(Api().GetAvailableDrivesEx(mediaMask, nullptr)); }
std::vector<std::string> Names(const neroapi::DriveInfoList& list);
// The drive of that name in the list; null when absent.
const neroapi::DriveInfo* Find(const neroapi::DriveInfoList& list, const std::string& name);

// Opens the recorder of that name from a fresh drive list; null when absent.
neroapi::DeviceHandle OpenByName(const std::string& name);

// An ISO track of the tree with the flags, and the write description of a
// DVD burn that carries it.
struct BurnInput {
    neroapi::IsoTrack* track = nullptr;
    neroapi::WriteDescription description{};
    explicit BurnInput(const ItemTree& tree, uint32_t isoFlags = 0x4018, const char* label = "SAMPLE");
    ~BurnInput() { Api().FreeIsoTrack(track); }
};

// The burn flags the program always sends: 0x990C.
constexpr uint32_t kProgramBurnFlags = neroapi::kBurnAlways | neroapi::kBurnDvdRomBooktypeOff;

// A burn of `tree` on `device` at `speed` KB/s, in a sandbox of its own.
class LibraryBurnTest : public ::testing::Test {
protected:
    void TearDown() override { Api().CloseDevice(device); }
    int Burn(JobRecorder& job, uint32_t flags = kProgramBurnFlags, uint32_t isoFlags = 0x4018,
             const char* label = "SAMPLE") {
        BurnInput input(tree, isoFlags, label);
        return Api().Burn(device, 0, &input.description, flags, speed, job.Progress());
    }

    Sandbox sandbox;
    ItemTree tree = ItemTree::FromFolder(SampleRoot());
    neroapi::DeviceHandle device = nullptr;
    uint32_t speed = 22160;
};

}  // namespace bb::recorder::test

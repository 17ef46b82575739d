// Our recording library as the program sees it: loaded from the program
// folder by file name, every entry point resolved by name and called through
// the pointer types of neroapi/NeroFunctions.h. Plus a sandbox per test, the
// callbacks of a job recorded, and an item tree built from a folder.
#pragma once

#include "neroapi/NeroFunctions.h"
#include "recorder/library/NeroApiExports.h"
#include "tests/support/Sandbox.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace bb::recorder::test {

struct NeroApi {
    neroapi::FnNeroFreeMem FreeMem = nullptr;
    neroapi::FnNeroGetErrorLog GetErrorLog = nullptr;
    neroapi::FnNeroClearErrors ClearErrors = nullptr;
    neroapi::FnNeroGetAPIVersion GetAPIVersion = nullptr;
    neroapi::FnNeroGetAPIVersionEx GetAPIVersionEx = nullptr;
    neroapi::FnNeroSetExpectedAPIVersion SetExpectedAPIVersion = nullptr;
    neroapi::FnNeroSetExpectedAPIVersionEx SetExpectedAPIVersionEx = nullptr;
    neroapi::FnNeroInit Init = nullptr;
    neroapi::FnNeroDone Done = nullptr;
    neroapi::FnNeroGetAvailableDrives GetAvailableDrives = nullptr;
    neroapi::FnNeroGetAvailableDrivesEx GetAvailableDrivesEx = nullptr;
    neroapi::FnNeroOpenDevice OpenDevice = nullptr;
    neroapi::FnNeroCloseDevice CloseDevice = nullptr;
    neroapi::FnNeroGetCDInfo GetCDInfo = nullptr;
    neroapi::FnNeroBurn Burn = nullptr;
    neroapi::FnNeroCreateIsoItemOfSize CreateIsoItemOfSize = nullptr;
    neroapi::FnNeroCreateIsoTrackEx CreateIsoTrackEx = nullptr;
    neroapi::FnNeroFreeIsoTrack FreeIsoTrack = nullptr;
    neroapi::FnNeroEjectLoadCD EjectLoadCD = nullptr;
    neroapi::FnNeroGetCDRWErasingTime GetCDRWErasingTime = nullptr;
    neroapi::FnNeroEraseCDRW EraseCDRW = nullptr;
    neroapi::FnNeroGetTypeNameOfMedia GetTypeNameOfMedia = nullptr;
    neroapi::FnNeroGetLocalizedWaitCDTexts GetLocalizedWaitCDTexts = nullptr;
};

// Loaded once per process; every entry point resolved (the test fails on a
// missing one).
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
    neroapi::IsoItem* Root() const { return m_first; }

private:
    void AddFolder(const std::filesystem::path& folder, neroapi::IsoItem* parent);
    std::vector<std::unique_ptr<neroapi::IsoItem>> m_items;
    neroapi::IsoItem* m_first = nullptr;
};

struct Event {
    enum Kind { Progress, Log, Phase, Request, Idle } kind;
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
    std::vector<std::string> Logs() const;
    std::vector<std::string> Phases() const;
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
    const std::filesystem::path& Path() const { return Root(); }
    void WriteConfig(const std::string& text) const { WriteFile("drives.ini", text); }
    std::filesystem::path operator/(const std::string& name) const { return Root() / name; }
};

std::filesystem::path SampleRoot();

}  // namespace bb::recorder::test

namespace bb::recorder::test {

// Opens the recorder of that name from a fresh drive list; null when absent.
neroapi::DeviceHandle OpenByName(const std::string& name);

// An ISO track of the tree with the flags, and the write description of a
// DVD (or CD) burn that carries it.
struct BurnInput {
    neroapi::IsoTrack* track = nullptr;
    neroapi::WriteDescription description{};
    explicit BurnInput(const ItemTree& tree, uint32_t isoFlags = 0x4018, bool dvd = true,
                       const char* label = "SAMPLE");
    ~BurnInput();
};

}  // namespace bb::recorder::test

#include "tests/recorder/LibraryUnderTest.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace bb::recorder::test {

const NeroApi& Api() {
    static const NeroApi api = [] {
        const std::string path = std::string(BB_PROGRAM_DIR) + "/libNeroAPI.so";
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
            std::abort();
        }
        NeroApi loaded;
#define BB_NERO_RESOLVE(name)                                                             \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(dlsym(module, "Nero" #name)); \
    if (loaded.name == nullptr) ADD_FAILURE() << "export missing: Nero" #name;
        BB_NERO_ENTRY_POINTS(BB_NERO_RESOLVE)
#undef BB_NERO_RESOLVE
        return loaded;
    }();
    return api;
}

std::string TakeText(char* text) {
    if (text == nullptr) return "<null>";
    std::string copy = text;
    Api().FreeMem(text);
    return copy;
}

neroapi::IsoItem* ItemTree::Add(const std::string& name, bool folder, const std::string& source,
                                neroapi::IsoItem* parent) {
    auto item = std::make_unique<neroapi::IsoItem>();
    std::memset(item.get(), 0, sizeof(neroapi::IsoItem));
    std::strncpy(item->name, name.c_str(), sizeof item->name - 1);
    std::strncpy(item->sourcePath, source.c_str(), sizeof item->sourcePath - 1);
    item->isFolder = folder ? 1 : 0;
    neroapi::IsoItem* first = Root();
    neroapi::IsoItem** link = parent != nullptr ? &parent->firstChild : &first;
    while (*link != nullptr) link = &(*link)->next;
    *link = item.get();
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void ItemTree::AddFolder(const std::filesystem::path& folder, neroapi::IsoItem* parent) {
    std::vector<std::filesystem::directory_entry> entries(std::filesystem::directory_iterator(folder), {});
    std::sort(entries.begin(), entries.end());
    for (const auto& entry : entries) {
        const bool isFolder = entry.is_directory();
        neroapi::IsoItem* item = Add(entry.path().filename().string(), isFolder,
                                     isFolder ? std::string() : entry.path().string(), parent);
        if (isFolder) AddFolder(entry.path(), item);
    }
}

ItemTree ItemTree::FromFolder(const std::filesystem::path& folder) {
    ItemTree tree;
    if (std::filesystem::is_directory(folder)) tree.AddFolder(folder, nullptr);
    return tree;
}

struct JobRecorderCallbacks {
    static JobRecorder& Of(void* user) { return *static_cast<JobRecorder*>(user); }

    static int NERO_CDECL Idle(void* user) { return Of(user).abortRequested ? 1 : 0; }
    static int NERO_CDECL UserDialog(void* user, int request, void* data) {
        JobRecorder& job = Of(user);
        job.events.push_back({Event::Request, {}, request, reinterpret_cast<intptr_t>(data)});
        if (request == neroapi::kRequestImageFileName) {
            if (job.imagePath.empty()) return 0;
            std::strncpy(static_cast<char*>(data), job.imagePath.c_str(), neroapi::kImageFileNameCapacity - 1);
            return 1;
        }
        return request == neroapi::kRequestOverwriteRw ? job.overwriteAnswer : 0;
    }
    static int NERO_CDECL Progress(void* user, uint32_t percent) {
        JobRecorder& job = Of(user);
        job.events.push_back({Event::Progress, {}, static_cast<int>(percent), 0});
        const bool phaseMatches = job.abortInPhase.empty() || job.m_phase == job.abortInPhase;
        if (!job.abortRequested && job.abortAtPercent >= 0 && phaseMatches &&
            static_cast<int>(percent) >= job.abortAtPercent) {
            job.abortRequested = true;
            job.abortTime = std::chrono::steady_clock::now();
        }
        return 0;  // the abort flag is reported by the aborted query
    }
    static int NERO_CDECL Aborted(void* user) { return Of(user).abortRequested ? 1 : 0; }
    static void NERO_CDECL AddLogLine(void* user, int, const char* text) {
        Of(user).events.push_back({Event::Log, text, 0, 0});
    }
    static void NERO_CDECL SetPhase(void* user, const char* text) {
        Of(user).m_phase = text;
        Of(user).events.push_back({Event::Phase, text, 0, 0});
    }
};

JobRecorder::JobRecorder() {
    m_settings.libraryFilesFolder = "NeroFiles";
    m_settings.vendor = "ahead";
    m_settings.software = "Nero - Burning Rom";
    m_settings.languageFile = "Nero.txt";
    m_settings.idle = &JobRecorderCallbacks::Idle;
    m_settings.idleUser = this;
    m_settings.userDialog = &JobRecorderCallbacks::UserDialog;
    m_settings.userDialogUser = this;
    m_progress.progress = &JobRecorderCallbacks::Progress;
    m_progress.aborted = &JobRecorderCallbacks::Aborted;
    m_progress.addLogLine = &JobRecorderCallbacks::AddLogLine;
    m_progress.setPhase = &JobRecorderCallbacks::SetPhase;
    m_progress.user = this;
    EXPECT_EQ(Api().Init(&m_settings, nullptr), 0);
}

JobRecorder::~JobRecorder() { Api().Done(); }

std::vector<std::string> JobRecorder::Texts(Event::Kind kind) const {
    std::vector<std::string> lines;
    for (const Event& event : events)
        if (event.kind == kind) lines.push_back(event.text);
    return lines;
}

std::vector<int> JobRecorder::Requests() const {
    std::vector<int> codes;
    for (const Event& event : events)
        if (event.kind == Event::Request) codes.push_back(event.value);
    return codes;
}

bool JobRecorder::HasLog(const std::string& line) const {
    const auto lines = Texts(Event::Log);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::vector<int>> JobRecorder::ProgressByPhase() const {
    std::vector<std::vector<int>> phases;
    for (const Event& event : events) {
        if (event.kind == Event::Phase) phases.emplace_back();
        else if (event.kind == Event::Progress && !phases.empty()) phases.back().push_back(event.value);
    }
    return phases;
}

Sandbox::Sandbox() {
    ::setenv("BB_NEROAPI_CONFIG", (Root() / "drives.ini").c_str(), 1);
    Api().ClearErrors();
}

Sandbox::~Sandbox() { ::unsetenv("BB_NEROAPI_CONFIG"); }

std::filesystem::path SampleRoot() { return std::filesystem::path(BB_SOURCE_DIR) / "samples" / "dvd-sample"; }

std::vector<std::string> Names(const neroapi::DriveInfoList& list) {
    std::vector<std::string> names;
    for (uint32_t i = 0; i < list.count; ++i) names.push_back(list.drives[i].deviceName);
    return names;
}

const neroapi::DriveInfo* Find(const neroapi::DriveInfoList& list, const std::string& name) {
    for (uint32_t i = 0; i < list.count; ++i)
        if (name == list.drives[i].deviceName) return &list.drives[i];
    return nullptr;
}

neroapi::DeviceHandle OpenByName(const std::string& name) {
    const DriveList list(static_cast<neroapi::DriveInfoList*>(Api().GetAvailableDrives()));
    const neroapi::DriveInfo* drive = list ? Find(*list, name) : nullptr;
    return drive != nullptr ? Api().OpenDevice(drive) : nullptr;
}

BurnInput::BurnInput(const ItemTree& tree, uint32_t isoFlags, const char* label) {
    track = Api().CreateIsoTrackEx(tree.Root(), label, isoFlags);
    EXPECT_NE(track, nullptr) << TakeText(Api().GetErrorLog());
    description.track = track;
    description.mediaMask = neroapi::kMediaMaskDvd;
}

}  // namespace bb::recorder::test

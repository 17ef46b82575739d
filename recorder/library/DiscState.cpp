#include "recorder/library/DiscState.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace bb::recorder::library {

std::string DiscStatePath(const RecorderConfig& recorder) {
    return recorder.discImage + ".state";
}

DiscState LoadDiscState(const RecorderConfig& recorder) {
    DiscState state{recorder.tray, recorder.medium};
    std::ifstream file(DiscStatePath(recorder));
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "disc=none") {
            state.tray = TrayContent::Empty;
        } else if (line == "disc=blank") {
            state.tray = TrayContent::Blank;
        } else if (line == "disc=data") {
            state.tray = TrayContent::Data;
        } else if (line.rfind("medium=", 0) == 0) {
            if (const auto medium = FindMedium(line.substr(7))) {
                state.medium = medium->name;
            }
        }
    }
    return state;
}

void CreateDiscFolder(const RecorderConfig& recorder) {
    const std::filesystem::path folder = std::filesystem::path(recorder.discImage).parent_path();
    std::error_code ignored;  // a folder that cannot be made shows when the disc is written
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ignored);
    }
}

bool SaveDiscState(const RecorderConfig& recorder, const DiscState& state) {
    CreateDiscFolder(recorder);
    const char* tray = state.tray == TrayContent::Empty   ? "none"
                       : state.tray == TrayContent::Blank ? "blank"
                                                          : "data";
    std::ofstream file(DiscStatePath(recorder), std::ios::trunc);
    file << "disc=" << tray << "\nmedium=" << state.medium << "\n";
    file.flush();
    return static_cast<bool>(file);
}

bool EraseDisc(const RecorderConfig& recorder) {
    // An erased disc reads as empty: keep the file, without content.
    CreateDiscFolder(recorder);
    if (std::FILE* image = std::fopen(recorder.discImage.c_str(), "wb")) {
        std::fclose(image);
    }
    DiscState state = LoadDiscState(recorder);
    state.tray = TrayContent::Blank;
    return SaveDiscState(recorder, state);
}

}  // namespace bb::recorder::library

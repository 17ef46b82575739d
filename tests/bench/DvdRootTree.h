// The writer's input tree from a DVD root on disk, as the program hands it
// over: AUDIO_TS, then VIDEO_TS in player order with upper-case names, then
// the rest by name. Shared by the image tests and the benchmark driver.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image::testing {

inline std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

// VIDEO_TS.IFO/VOB/BUP, then per title set its IFO, menu and title VOBs and
// BUP; anything else after them by name.
inline std::string PlayerOrderKey(const std::string& name) {
    const std::string u = UpperAscii(name);
    const std::string ext = u.size() > 4 ? u.substr(u.size() - 3) : "";
    const int rank = ext == "IFO" ? 0 : ext == "VOB" ? 1 : ext == "BUP" ? 2 : -1;
    if (u.size() == 12 && u.compare(0, 9, "VIDEO_TS.") == 0 && rank >= 0) return "0" + std::to_string(rank);
    if (u.size() == 12 && u.compare(0, 4, "VTS_") == 0 && rank >= 0)
        return "1" + u.substr(4, 2) + std::to_string(rank) + (rank == 1 ? u.substr(7, 1) : "");
    return "9" + u;
}

inline Node ScanFolder(const std::filesystem::path& dir, const std::string& discName, bool videoTs = false) {
    Node node;
    node.name = discName;
    node.isDir = true;
    std::vector<std::filesystem::directory_entry> entries(std::filesystem::directory_iterator(dir), {});
    auto key = [&](const auto& e) {
        const std::string name = e.path().filename().string();
        return videoTs ? PlayerOrderKey(name) : name;
    };
    std::sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    for (const auto& e : entries) {
        const std::string name = e.path().filename().string();
        if (e.is_directory()) {
            node.children.push_back(ScanFolder(e.path(), name));
            continue;
        }
        Node file;
        file.name = videoTs ? UpperAscii(name) : name;
        file.sourcePath = e.path().string();
        node.children.push_back(file);
    }
    return node;
}

inline Node ScanDvdRoot(const std::filesystem::path& root) {
    Node all = ScanFolder(root, "");
    Node tree = all, audio;
    tree.children.clear();
    audio.name = "AUDIO_TS";
    audio.isDir = true;
    std::vector<Node> video, rest;
    for (Node& n : all.children) {
        const std::string upper = UpperAscii(n.name);
        if (n.isDir && upper == "AUDIO_TS") audio = ScanFolder(root / n.name, "AUDIO_TS");
        else if (n.isDir && upper == "VIDEO_TS") video.push_back(ScanFolder(root / n.name, "VIDEO_TS", true));
        else rest.push_back(std::move(n));
    }
    tree.children.push_back(audio);
    for (Node& n : video) tree.children.push_back(std::move(n));
    for (Node& n : rest) tree.children.push_back(std::move(n));
    return tree;
}

}  // namespace bb::recorder::image::testing

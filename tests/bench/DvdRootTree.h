// Builds the writer's input tree from a DVD root on disk the way the program
// hands it over: AUDIO_TS, then VIDEO_TS in player order, then the rest.
// Shared by the image tests and the benchmark driver.
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

// Player order: VIDEO_TS.IFO/VOB/BUP, then per title set IFO, menu VOB,
// title VOBs 1..9 and the BUP; anything else after them by name.
inline std::string PlayerOrderKey(const std::string& name) {
    const std::string u = UpperAscii(name);
    if (u == "VIDEO_TS.IFO") return "00";
    if (u == "VIDEO_TS.VOB") return "01";
    if (u == "VIDEO_TS.BUP") return "02";
    if (u.size() == 12 && u.compare(0, 4, "VTS_") == 0) {
        const std::string set = u.substr(4, 2);
        const std::string ext = u.substr(9);
        const char part = u[7];
        if (ext == "IFO") return "1" + set + "0";
        if (ext == "VOB") return "1" + set + "1" + part;
        if (ext == "BUP") return "1" + set + "2";
    }
    return "9" + u;
}

inline Node ScanFolder(const std::filesystem::path& dir, const std::string& discName, bool playerOrder) {
    Node node;
    node.name = discName;
    node.isDir = true;
    std::vector<std::filesystem::directory_entry> entries;
    for (const auto& e : std::filesystem::directory_iterator(dir)) entries.push_back(e);
    std::sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
        const std::string an = a.path().filename().string(), bn = b.path().filename().string();
        return playerOrder ? PlayerOrderKey(an) < PlayerOrderKey(bn) : an < bn;
    });
    for (const auto& e : entries) {
        const std::string name = e.path().filename().string();
        if (e.is_directory()) {
            node.children.push_back(ScanFolder(e.path(), name, false));
        } else {
            Node file;
            file.name = playerOrder ? UpperAscii(name) : name;
            file.sourcePath = e.path().string();
            node.children.push_back(file);
        }
    }
    return node;
}

inline Node ScanDvdRoot(const std::filesystem::path& root) {
    Node tree;
    tree.isDir = true;
    Node audio;
    audio.name = "AUDIO_TS";
    audio.isDir = true;
    std::vector<Node> rest;
    for (const auto& e : std::filesystem::directory_iterator(root)) {
        const std::string upper = UpperAscii(e.path().filename().string());
        if (upper == "AUDIO_TS" && e.is_directory()) {
            audio = ScanFolder(e.path(), "AUDIO_TS", false);
        } else if (upper == "VIDEO_TS" && e.is_directory()) {
            continue;
        } else if (e.is_directory()) {
            rest.push_back(ScanFolder(e.path(), e.path().filename().string(), false));
        } else {
            Node file;
            file.name = e.path().filename().string();
            file.sourcePath = e.path().string();
            rest.push_back(file);
        }
    }
    tree.children.push_back(audio);
    for (const auto& e : std::filesystem::directory_iterator(root))
        if (UpperAscii(e.path().filename().string()) == "VIDEO_TS" && e.is_directory())
            tree.children.push_back(ScanFolder(e.path(), "VIDEO_TS", true));
    std::sort(rest.begin(), rest.end(), [](const Node& a, const Node& b) { return a.name < b.name; });
    for (Node& n : rest) tree.children.push_back(std::move(n));
    return tree;
}

}  // namespace bb::recorder::image::testing

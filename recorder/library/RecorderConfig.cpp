#include "recorder/library/RecorderConfig.h"

#include "platform/Paths.h"
#include "platform/base/ModuleFolder.h"
#include "platform/base/ProcessEnvironment.h"
#include "recorder/library/Media.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace bb::recorder::library {
namespace {

constexpr size_t kMaxNameLength = 63;  // DriveInfo::deviceName holds 64 with its terminator
constexpr const char* kImageRecorderName = "Image Recorder";

std::string Trim(const std::string& text) {
    const char* spaces = " \t\r\n\f\v";
    const size_t first = text.find_first_not_of(spaces);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool ParseInt(const std::string& text, long long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 0);  // base 0: 0x masks and decimal numbers
    return end != nullptr && *end == '\0';
}

bool ParseReal(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end != nullptr && *end == '\0';
}

bool ParseSpeeds(const std::string& text, std::vector<double>& speeds) {
    std::istringstream in(text);
    std::vector<double> parsed;
    std::string word;
    while (in >> word) {
        double speed = 0;
        if (!ParseReal(word, speed) || speed <= 0) {
            return false;
        }
        parsed.push_back(speed);
    }
    if (parsed.empty() || parsed.size() > 64) {
        return false;
    }
    speeds = parsed;
    return true;
}

bool ParseYesNo(const std::string& text, bool& value) {
    const std::string word = Lower(text);
    if (word == "yes" || word == "true" || word == "1") {
        value = true;
        return true;
    }
    if (word == "no" || word == "false" || word == "0") {
        value = false;
        return true;
    }
    return false;
}

bool IsAbsolute(const std::string& path) {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        return true;
    }
    return path.size() >= 2 && path[1] == ':';
}

std::string Resolve(const std::string& folder, const std::string& path) {
    if (IsAbsolute(path) || folder.empty()) {
        return path;
    }
    return platform::JoinPath(folder, path);
}

std::string DefaultImageName(const std::string& recorderName) {
    std::string file;
    for (char c : recorderName) {
        file += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return file + ".disc.iso";
}

// One key's parser: false when the value is not acceptable.
using KeyParser = std::function<bool(RecorderConfig&, const std::string&)>;

bool SetInt(int& field, const std::string& value, long long low, long long high) {
    long long number = 0;
    if (!ParseInt(value, number) || number < low || number > high) {
        return false;
    }
    field = static_cast<int>(number);
    return true;
}

bool SetUnsigned(uint32_t& field, const std::string& value) {
    long long number = 0;
    if (!ParseInt(value, number) || number < 0 || number > 0xFFFFFFFFLL) {
        return false;
    }
    field = static_cast<uint32_t>(number);
    return true;
}

bool SetDuration(double& field, const std::string& value) {
    double number = 0;
    if (!ParseReal(value, number) || number < 0) {
        return false;
    }
    field = number;
    return true;
}

const std::map<std::string, KeyParser>& KeyParsers() {
    static const std::map<std::string, KeyParser> parsers = {
        {"device kind", [](RecorderConfig& r, const std::string& v) { return SetUnsigned(r.deviceKind, v); }},
        {"capabilities", [](RecorderConfig& r, const std::string& v) { return SetUnsigned(r.capabilities, v); }},
        {"media", [](RecorderConfig& r, const std::string& v) { return SetUnsigned(r.mediaMask, v); }},
        {"dvd base rate", [](RecorderConfig& r, const std::string& v) { return SetUnsigned(r.dvdBaseRate, v) && r.dvdBaseRate > 0; }},
        {"dvd speeds", [](RecorderConfig& r, const std::string& v) { return ParseSpeeds(v, r.dvdSpeeds); }},
        {"cd base rate", [](RecorderConfig& r, const std::string& v) { return SetUnsigned(r.cdBaseRate, v) && r.cdBaseRate > 0; }},
        {"cd speeds", [](RecorderConfig& r, const std::string& v) { return ParseSpeeds(v, r.cdSpeeds); }},
        {"disc", [](RecorderConfig& r, const std::string& v) {
             const std::string word = Lower(v);
             if (word == "none") r.tray = TrayContent::Empty;
             else if (word == "blank") r.tray = TrayContent::Blank;
             else if (word == "data") r.tray = TrayContent::Data;
             else return false;
             return true;
         }},
        {"medium", [](RecorderConfig& r, const std::string& v) {
             const auto medium = FindMedium(v);
             if (!medium) return false;
             r.medium = medium->name;
             return true;
         }},
        {"erase seconds", [](RecorderConfig& r, const std::string& v) { return SetInt(r.eraseSecondsFull, v, -3, 86400); }},
        {"quick erase seconds", [](RecorderConfig& r, const std::string& v) { return SetInt(r.eraseSecondsQuick, v, -3, 86400); }},
        {"burn result", [](RecorderConfig& r, const std::string& v) { return SetInt(r.burnResult, v, -1000, 1000); }},
        {"realloc fails", [](RecorderConfig& r, const std::string& v) { return ParseYesNo(v, r.reallocFails); }},
        {"erase fails", [](RecorderConfig& r, const std::string& v) { return ParseYesNo(v, r.eraseFails); }},
        {"burn seconds", [](RecorderConfig& r, const std::string& v) { return SetDuration(r.burnSeconds, v); }},
        {"write error at", [](RecorderConfig& r, const std::string& v) { return SetInt(r.writeErrorPercent, v, 0, 100); }},
        {"wait seconds", [](RecorderConfig& r, const std::string& v) { return SetDuration(r.waitSeconds, v); }},
        {"time scale", [](RecorderConfig& r, const std::string& v) { return SetDuration(r.timeScale, v); }},
        {"capacity sectors", [](RecorderConfig& r, const std::string& v) {
             long long number = 0;
             if (!ParseInt(v, number) || number < 0) return false;
             r.capacitySectors = static_cast<uint64_t>(number);
             return true;
         }},
    };
    return parsers;
}

}  // namespace

ConfigReadResult ParseRecorderConfig(const std::string& text, const std::string& folder,
                                     const std::string& origin) {
    ConfigReadResult result;
    RecorderConfig defaults;  // keys before the first section apply to every recorder
    RecorderConfig* current = &defaults;
    std::vector<std::string> imageKeys;  // "disc image" of each recorder as written
    std::string pendingImage;

    const auto warn = [&](int line, const std::string& what) {
        result.warnings.push_back(origin + ":" + std::to_string(line) + ": " + what);
    };
    const auto finishRecorder = [&]() {
        if (current == &defaults) {
            return;
        }
        current->discImage =
            Resolve(folder, pendingImage.empty() ? DefaultImageName(current->name) : pendingImage);
        pendingImage.clear();
        current = &defaults;
    };

    std::istringstream in(text);
    std::string raw;
    int lineNumber = 0;
    bool skipping = false;  // inside a section that was refused
    while (std::getline(in, raw)) {
        ++lineNumber;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';') {
            continue;
        }
        if (line.front() == '[') {
            finishRecorder();
            if (line.back() != ']') {
                warn(lineNumber, "a section header ends with ']'");
                skipping = true;
                continue;
            }
            const std::string name = Trim(line.substr(1, line.size() - 2));
            const bool duplicate = std::any_of(result.recorders.begin(), result.recorders.end(),
                                               [&](const RecorderConfig& r) { return r.name == name; });
            if (name.empty() || name.size() > kMaxNameLength || name == kImageRecorderName || duplicate) {
                warn(lineNumber, "recorder \"" + name + "\" ignored: the name is empty, longer than 63 "
                                 "characters, taken or reserved");
                skipping = true;
                continue;
            }
            skipping = false;
            result.recorders.push_back(defaults);
            result.recorders.back().name = name;
            current = &result.recorders.back();
            continue;
        }
        if (skipping) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            warn(lineNumber, "expected \"key = value\"");
            continue;
        }
        const std::string key = Lower(Trim(line.substr(0, equals)));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "disc image") {
            if (current == &defaults) {
                warn(lineNumber, "\"disc image\" belongs to a recorder's section");
            } else {
                pendingImage = value;
            }
            continue;
        }
        const auto parser = KeyParsers().find(key);
        if (parser == KeyParsers().end()) {
            warn(lineNumber, "unknown key \"" + key + "\"");
        } else if (!parser->second(*current, value)) {
            warn(lineNumber, "bad value \"" + value + "\" for \"" + key + "\"");
        }
    }
    finishRecorder();
    return result;
}

std::string RecorderConfigPath() {
    // As the system holds it now: a program that loaded the library may have
    // set it since it started.
    if (const auto configured = platform::EnvironmentValue("BB_NEROAPI_CONFIG")) {
        return *configured;
    }
    return platform::JoinPath(platform::ModuleFolder(), "NeroAPI-drives.ini");
}

ConfigReadResult ReadRecorderConfig() {
    const std::string path = RecorderConfigPath();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    std::ostringstream text;
    text << file.rdbuf();
    const size_t separator = path.find_last_of("/\\");
    const std::string folder = separator == std::string::npos ? std::string(".") : path.substr(0, separator);
    return ParseRecorderConfig(text.str(), folder, path);
}

}  // namespace bb::recorder::library

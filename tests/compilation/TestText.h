// Paths and texts of the tests in the platform's own form: '/' in a test's
// path becomes the platform's separator, and UTF-8 letters become code page
// 1252 where the program's text is in that code page.
#pragma once

#include <string>

#include "compilation/LabelText.h"
#include "platform/Paths.h"

namespace bb::compilation {

inline std::string P(std::string path) {
    for (char& c : path)
        if (c == '/')
            c = platform::kPathSeparator;
    return path;
}

// The Latin-1 letters of a UTF-8 text as single bytes of code page 1252.
inline std::string ToCp1252(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC3 && i + 1 < utf8.size()) {
            out += static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40);
            continue;
        }
        out += utf8[i];
    }
    return out;
}

inline std::string Native(const std::string& utf8) {
    return compilation::NativeLabelEncoding() == compilation::LabelEncoding::Utf8 ? utf8
                                                                                    : ToCp1252(utf8);
}

}  // namespace bb::compilation

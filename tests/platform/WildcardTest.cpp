#include <gtest/gtest.h>

#include "platform/Wildcard.h"

namespace bb::platform {

namespace {

struct Case {
    const char* pattern;
    const char* name;
    bool matches;
};

TEST(WildcardMatch, Table) {
    const Case cases[] = {
        // letter case is ignored on every platform
        Case{"*.lng", "english.lng", true}, Case{"*.LNG", "Deutsch.lng", true},
        Case{"video_ts.*", "VIDEO_TS.IFO", true},
        // '*' matches runs, including none
        Case{"*.lng", ".lng", true}, Case{"*", "", true}, Case{"a*b*c", "aXXbYYc", true},
        Case{"a*b*c", "abc", true}, Case{"*a", "aaaa", true}, Case{"a*b*c", "aXXbYY", false},
        // '?' is exactly one character
        Case{"VTS_??_?.VOB", "vts_01_1.vob", true}, Case{"VTS_??_?.VOB", "vts_1_1.vob", false},
        Case{"?", "", false}, Case{"??", "abc", false},
        // whole names only
        Case{"*.lng", "english.lngx", false}, Case{"*.lng", "english.lng.bak", false},
        Case{"english", "english.lng", false}, Case{"", "a", false}, Case{"", "", true},
        // "*.*" is every name, as on Windows
        Case{"*.*", "README", true}, Case{"*.*", "a.b", true}, Case{"*.*x", "README", false},
        // bytes beyond ASCII compare exactly (UTF-8 "ä" vs "Ä")
        Case{"\xC3\xA4*", "\xC3\xA4x", true}, Case{"\xC3\xA4*", "\xC3\x84x", false},
        // a pattern that makes naive backtracking exponential
        Case{"*a*a*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false}};
    for (const Case& c : cases)
        EXPECT_EQ(platform::WildcardMatch(c.pattern, c.name), c.matches)
            << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
}

}  // namespace

}  // namespace bb::platform

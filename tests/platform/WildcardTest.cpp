#include <gtest/gtest.h>

#include "platform/Wildcard.h"

namespace bb::platform {
namespace {

TEST(WildcardMatch, Table) {
    const struct {
        const char *pattern, *name;
        bool matches;
    } cases[] = {
        // letter case is ignored on every platform
        {"*.lng", "english.lng", true}, {"*.LNG", "Deutsch.lng", true}, {"video_ts.*", "VIDEO_TS.IFO", true},
        // '*' matches runs, including none
        {"*.lng", ".lng", true}, {"*", "", true}, {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "abc", true}, {"*a", "aaaa", true}, {"a*b*c", "aXXbYY", false},
        // '?' is exactly one character
        {"VTS_??_?.VOB", "vts_01_1.vob", true}, {"VTS_??_?.VOB", "vts_1_1.vob", false},
        {"?", "", false}, {"??", "abc", false},
        // whole names only
        {"*.lng", "english.lngx", false}, {"*.lng", "english.lng.bak", false},
        {"english", "english.lng", false}, {"", "a", false}, {"", "", true},
        // "*.*" is every name, as on Windows
        {"*.*", "README", true}, {"*.*", "a.b", true}, {"*.*x", "README", false},
        // bytes beyond ASCII compare exactly (UTF-8 "ä" vs "Ä")
        {"\xC3\xA4*", "\xC3\xA4x", true}, {"\xC3\xA4*", "\xC3\x84x", false},
        // a pattern that makes naive backtracking exponential
        {"*a*a*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::WildcardMatch(c.pattern, c.name), c.matches)
            << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
}

}  // namespace
}  // namespace bb::platform

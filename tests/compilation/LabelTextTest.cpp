#include <gtest/gtest.h>

#include "compilation/LabelText.h"
#include "tests/compilation/ScanFixture.h"

namespace bb::compilation {

using compilation::LabelEncoding;

namespace {

struct NormalizeCase { const char* text; int limit; const char* label; bool truncated; };

// Texts given in UTF-8; the Windows-1252 run converts the four umlauts and
// the lower-case letters of the same names first.
const NormalizeCase kNormalizeCases[] = {
    {"My Movie-2005", 32, "MY_MOVIE_2005", false},
    {"Äpfel & Birnen (Teil 1)", 32, "AEPFEL___BIRNEN_TEIL_1", false},
    {"grüße aus köln", 32, "GRUESSE_AUS_KOELN", false},
    {"Öl+Übel", 32, "OEL_UEBEL", false},
    {"a.b#c[d]{e},f?g\\h", 32, "A_BCDEFGH", false},
    {"X", 32, "NO_NAME", false},
    {"", 32, "NO_NAME", false},
    {"D:", 32, "NO_NAME", false},
    {"movie:two", 32, "NO_NAME", false},
    {"()", 32, "NO_NAME", false},
    {"Hello! It's me", 32, "HELLO!_IT'S_ME", false},
    {"ABCDEFGHIJKLMNOPQRST", 16, "ABCDEFGHIJKLMNOP", true},
    {"ABCDEFGHIJKLMNOP", 16, "ABCDEFGHIJKLMNOP", false},
    {"abcdefghijklmnopqrstuvwxyz0123456789", 32, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", true},
    // Spelling-out happens before the cut: the 16th and 17th characters are "AE".
    {"ABCDEFGHIJKLMNOä", 16, "ABCDEFGHIJKLMNOA", true},
};

TEST(LabelTextTest, NormalizesInBothEncodings) {
    for (LabelEncoding encoding : {LabelEncoding::Utf8, LabelEncoding::Windows1252}) {
        for (const NormalizeCase& c : kNormalizeCases) {
            const std::string text = encoding == LabelEncoding::Utf8 ? c.text : ToCp1252(c.text);
            const auto result = compilation::NormalizeLabelText(text, c.limit, encoding);
            EXPECT_EQ(result.label, c.label) << c.text << (encoding == LabelEncoding::Utf8 ? " utf-8" : " cp1252");
            EXPECT_EQ(result.truncated, c.truncated) << c.text;
        }
    }
}

TEST(LabelTextTest, EncodingSpecificLetters) {
    const struct { const char* text; LabelEncoding encoding; const char* label; } cases[] = {
        // é has an upper case but no spelling: it stays for the check to catch.
        {"caf\xC3\xA9s", LabelEncoding::Utf8, "CAF\xC3\x89S"},
        {"caf\xE9s", LabelEncoding::Windows1252, "CAF\xC9S"},
        // š and ÿ exist in 1252 only; UTF-8 leaves what it does not know.
        {"\x9A\xFF", LabelEncoding::Windows1252, "\x8A\x9F"},
        {"x\xC3\xB7y", LabelEncoding::Utf8, "X\xC3\xB7Y"},  // ÷ is no letter
        // A cut never splits a UTF-8 sequence.
        {"ABCDEFGHIJKLMNO\xC3\xA9", LabelEncoding::Utf8, "ABCDEFGHIJKLMNO"},
        {"ABCDEFGHIJKLMNO\xE9", LabelEncoding::Windows1252, "ABCDEFGHIJKLMNO\xC9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compilation::NormalizeLabelText(c.text, 16, c.encoding).label, c.label) << c.text;
}

TEST(LabelTextTest, LastPathComponent) {
    const struct { const char* path; const char* last; } cases[] = {
        {"/movies/My Movie-2005", "My Movie-2005"},
        {"/movies/My Movie-2005//", "My Movie-2005"},
        {"/x", "x"},
        {"/", ""},
        {"", ""},
        {"plain", ""},
        {"relative/name", "name"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compilation::LastPathComponent(P(c.path)), c.last) << c.path;
}

}  // namespace
}  // namespace bb::compilation

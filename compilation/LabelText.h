// The volume label as text: normalising what the user typed or what a
// folder is called into the restricted upper-case form a disc label takes,
// and the characters a label may be burned with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bb::compilation {

// How non-ASCII letters are stored in the program's text: single bytes of
// Windows code page 1252 (Windows), or UTF-8 (elsewhere). Upper-casing and
// the umlaut replacements (Ä AE, Ö OE, Ü UE, ß SS) follow it.
enum class LabelEncoding { Windows1252, Utf8 };
// The encoding of the platform's file names and texts.
LabelEncoding NativeLabelEncoding();

constexpr const char* kDefaultLabel = "NO_NAME";
constexpr const char* kLabelCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";

// 16 when MoreFlags has 0x2 ("Allow only 16 chars in volume label"), else 32.
int LabelLimit(uint32_t moreFlags);

struct NormalizedLabel {
    std::string label;
    bool truncated = false;  // longer than the limit; `label` holds the first `limit` characters
};

// "NO_NAME" for a text of fewer than 2 characters or one with a ":"; else
// the text in upper case, blanks and "-.+&" made "_", the umlauts spelled
// out, "#()?[]{},\" removed, and cut to `limit` characters. An empty result
// is "NO_NAME". Characters a label may not have otherwise stay, for
// FirstForbiddenLabelChar to catch.
NormalizedLabel NormalizeLabelText(std::string_view text, int limit, LabelEncoding encoding);

// Index of the first byte of `label` outside the 37 label characters, or -1.
int FirstForbiddenLabelChar(std::string_view label);

// Text after the last path separator once trailing separators are removed;
// empty when no separator is left (a bare drive root, a plain name).
std::string LastPathComponent(const std::string& path);

}  // namespace bb::compilation

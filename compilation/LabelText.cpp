#include "compilation/LabelText.h"

#include <cstring>

#include "platform/Paths.h"
#include "settings/SettingsFlags.h"

namespace bb::compilation {
namespace {

constexpr unsigned char kUtf8Lead = 0xC3;  // lead byte of U+00C0..U+00FF

// Upper case of one letter in code page 1252: a-z, the Latin-1 letters
// à..þ except ÷, and š œ ž ÿ. ß has no upper case.
unsigned char UpperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

std::string UpperCase(std::string_view text, LabelEncoding encoding) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (encoding == LabelEncoding::Windows1252) {
            out[i] = static_cast<char>(UpperCp1252(c));
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 0x20);
        } else if (c == kUtf8Lead && i + 1 < out.size()) {
            // à..þ (C3 A0..C3 BE, not ÷ C3 B7) to À..Þ.
            unsigned char next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

struct Spelling {
    const char* letter;  // as the encoding stores it
    const char* spelled;
};
const Spelling kCp1252Umlauts[] = {{"\xD6", "OE"}, {"\xC4", "AE"}, {"\xDC", "UE"}, {"\xDF", "SS"}};
const Spelling kUtf8Umlauts[] = {
    {"\xC3\x96", "OE"}, {"\xC3\x84", "AE"}, {"\xC3\x9C", "UE"}, {"\xC3\x9F", "SS"}};

void ReplaceAll(std::string& text, const char* from, const char* to) {
    const size_t fromLength = std::strlen(from), toLength = std::strlen(to);
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + toLength))
        text.replace(at, fromLength, to);
}

// Cuts `text` to `limit` bytes without leaving half a UTF-8 sequence.
void Truncate(std::string& text, size_t limit, LabelEncoding encoding) {
    size_t end = limit;
    if (encoding == LabelEncoding::Utf8)
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    text.resize(end);
}

}  // namespace

int LabelLimit(uint32_t moreFlags) { return (moreFlags & settings::moreflags::kLabel16) ? 16 : 32; }

NormalizedLabel NormalizeLabelText(std::string_view text, int limit, LabelEncoding encoding) {
    NormalizedLabel result{kDefaultLabel, false};
    if (text.size() < 2 || text.find(':') != std::string_view::npos)
        return result;
    std::string label = UpperCase(text, encoding);
    for (char& c : label)
        if (c == ' ' || c == '-' || c == '.' || c == '+' || c == '&')
            c = '_';
    for (const Spelling& s : encoding == LabelEncoding::Windows1252 ? kCp1252Umlauts : kUtf8Umlauts)
        ReplaceAll(label, s.letter, s.spelled);
    std::erase_if(label, [](char c) { return c != '\0' && std::strchr("#(?)[]{},\\", c); });
    if (limit >= 0 && label.size() > static_cast<size_t>(limit)) {
        Truncate(label, static_cast<size_t>(limit), encoding);
        result.truncated = true;
        result.label = label;
    } else if (!label.empty()) {
        result.label = label;
    }
    return result;
}

int FirstForbiddenLabelChar(std::string_view label) {
    const size_t at = label.find_first_not_of(kLabelCharacters);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string LastPathComponent(const std::string& path) {
    size_t end = path.size();
    while (end > 0 && path[end - 1] == platform::kPathSeparator)
        --end;
    const size_t slash = path.rfind(platform::kPathSeparator, end == 0 ? 0 : end - 1);
    if (end == 0 || slash == std::string::npos)
        return std::string();
    return path.substr(slash + 1, end - slash - 1);
}

}  // namespace bb::compilation

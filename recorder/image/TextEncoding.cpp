#include "recorder/image/TextEncoding.h"

#include <cstring>

namespace bb::recorder::image {

std::u32string DecodeName(std::string_view text) {
    static const char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    std::u32string out;
    out.reserve(text.size());
    bool valid = true;
    for (size_t i = 0; valid && i < text.size();) {
        const uint8_t b = uint8_t(text[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + size_t(extra) >= text.size()) {
            valid = false;
            break;
        }
        char32_t c = extra == 0 ? b : char32_t(b & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            const uint8_t cont = uint8_t(text[i + size_t(k)]);
            valid = valid && (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        // Overlong forms and surrogates are not UTF-8 either.
        if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) valid = false;
        out.push_back(c);
        i += size_t(extra) + 1;
    }
    if (!valid) {
        // Not UTF-8: read the whole text as Latin-1.
        out.clear();
        for (char ch : text) out.push_back(char32_t(uint8_t(ch)));
    }
    return out;
}

char ToDCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') return char(c);
    // Latin-1 letters lose their accents: 0xC0..0xFF (ISO 8859-1 layout).
    static const char kLatin1[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPsAAAAAAACEEEEIIIIDNOOOOO/OUUUUYPY";
    if (c >= 0xC0 && c <= 0xFF) {
        char m = kLatin1[c - 0xC0];
        if (m >= 'a' && m <= 'z') m = char(m - 'a' + 'A');
        if ((m >= 'A' && m <= 'Z')) return m;
    }
    return '_';
}

std::string ToDCharacters(std::u32string_view text, size_t maxLength) {
    std::string out;
    for (char32_t c : text) {
        if (out.size() == maxLength) break;
        out.push_back(ToDCharacter(c));
    }
    return out;
}

std::string IsoVolumeIdentifier(std::string_view label) {
    return ToDCharacters(DecodeName(label), 32);
}

std::u16string ToJolietName(std::u32string_view text, size_t maxLength) {
    std::u16string out;
    for (char32_t c : text) {
        if (out.size() == maxLength) break;
        bool bad = c < 0x20 || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF) || c == '*' || c == '/' ||
                   c == ':' || c == ';' || c == '?' || c == '\\';
        out.push_back(bad ? u'_' : char16_t(c));
    }
    return out;
}

std::vector<uint8_t> ToCs0(std::u32string_view text, size_t maxBytes) {
    std::vector<uint8_t> out;
    if (text.empty() || maxBytes < 2) return out;
    bool wide = false;
    for (char32_t c : text) wide = wide || c > 0xFF;
    out.push_back(wide ? 16 : 8);
    for (char32_t c : text) {
        if (wide) {
            if (out.size() + 2 > maxBytes) break;
            const char32_t u = (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) ? U'_' : c;
            out.push_back(uint8_t(u >> 8));
            out.push_back(uint8_t(u));
        } else {
            if (out.size() + 1 > maxBytes) break;
            out.push_back(uint8_t(c));
        }
    }
    return out;
}

void PutDString(uint8_t* p, size_t fieldLength, std::u32string_view text) {
    std::memset(p, 0, fieldLength);
    std::vector<uint8_t> cs0 = ToCs0(text, fieldLength - 1);
    if (cs0.size() <= 1) return;  // an empty or unrepresentable text stays all zeros
    std::memcpy(p, cs0.data(), cs0.size());
    p[fieldLength - 1] = uint8_t(cs0.size());
}

void PutOstaCharspec(uint8_t* p) {
    std::memset(p, 0, 64);
    p[0] = 0;  // CS0
    static const char kInfo[] = "OSTA Compressed Unicode";
    std::memcpy(p + 1, kInfo, sizeof kInfo - 1);
}

}  // namespace bb::recorder::image

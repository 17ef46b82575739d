#include "recorder/image/IsoNames.h"

#include <set>

#include "recorder/image/TextEncoding.h"

namespace bb::recorder::image {

namespace {

constexpr size_t kIsoFileChars = 30;  // name + extension, ISO 9660 7.5.1 level 2
constexpr size_t kIsoDirChars = 31;   // ISO 9660 7.6.3
constexpr size_t kIsoExtChars = 8;    // our own cap, keeps room for the name
constexpr size_t kJolietChars = 64;

// Splits at the last dot; a leading dot belongs to the name (".hidden").
void SplitExtension(const std::u32string& name, std::u32string& base, std::u32string& ext) {
    size_t dot = name.rfind(U'.');
    if (dot == std::u32string::npos || dot == 0) {
        base = name;
        ext.clear();
    } else {
        base = name.substr(0, dot);
        ext = name.substr(dot + 1);
    }
}

// Puts "~N" at the end of `base`, shortened so the whole stays within `limit`.
template <typename Str>
Str WithSuffix(Str base, unsigned n, size_t limit) {
    // Built by appending: g++ 12 for i686 warns falsely (-Wrestrict) on "~" + std::string.
    std::string digits = "~";
    digits += std::to_string(n);
    if (base.size() + digits.size() > limit) base.resize(limit > digits.size() ? limit - digits.size() : 0);
    for (char c : digits) base.push_back(typename Str::value_type(c));
    return base;
}

template <typename Str>
void SplitForSort(const Str& id, Str& name, Str& ext) {
    Str s = id;
    size_t semi = s.find(typename Str::value_type(';'));
    if (semi != Str::npos) s.resize(semi);
    size_t dot = s.rfind(typename Str::value_type('.'));
    if (dot == Str::npos) {
        name = s;
        ext.clear();
    } else {
        name = s.substr(0, dot);
        ext = s.substr(dot + 1);
    }
}

// Lexicographic comparison where the shorter string counts as padded with
// spaces (0x20); every permitted character sorts above the space.
template <typename Str>
int PaddedCompare(const Str& a, const Str& b) {
    const size_t n = a.size() > b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned ca = i < a.size() ? unsigned(a[i]) & 0xFFFF : 0x20;
        const unsigned cb = i < b.size() ? unsigned(b[i]) & 0xFFFF : 0x20;
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

template <typename Str>
bool IdentifierLess(const Str& a, const Str& b) {
    Str an, ae, bn, be;
    SplitForSort(a, an, ae);
    SplitForSort(b, bn, be);
    int c = PaddedCompare(an, bn);
    if (c == 0) c = PaddedCompare(ae, be);
    return c < 0;
}

// "NAME.EXT;1" (ISO 9660 7.5.1: the separators are always present).
std::string FileIdentifier(const std::string& base, const std::string& ext) {
    std::string id = base;
    id += '.';
    id += ext;
    id += ";1";
    return id;
}

}  // namespace

bool IsoIdentifierLess(const std::string& a, const std::string& b) { return IdentifierLess(a, b); }
bool JolietIdentifierLess(const std::u16string& a, const std::u16string& b) { return IdentifierLess(a, b); }

std::vector<std::string> MakeIsoIdentifiers(const std::vector<std::u32string>& names,
                                            const std::vector<bool>& isDir) {
    std::vector<std::string> out(names.size());
    std::set<std::string> used;
    for (size_t i = 0; i < names.size(); ++i) {
        if (isDir[i]) {
            std::string id = ToDCharacters(names[i], kIsoDirChars);
            if (id.empty()) id.push_back('_');  // push_back, not = "_": g++ 12 -Wrestrict false alarm
            std::string candidate = id;
            for (unsigned n = 1; used.count(candidate); ++n) candidate = WithSuffix(id, n, kIsoDirChars);
            used.insert(candidate);
            out[i] = candidate;
            continue;
        }
        std::u32string base32, ext32;
        SplitExtension(names[i], base32, ext32);
        std::string ext = ToDCharacters(ext32, kIsoExtChars);
        std::string base = ToDCharacters(base32, kIsoFileChars - ext.size());
        if (base.empty() && ext.empty()) base.push_back('_');
        std::string candidate = base;
        // Uniqueness is judged on the whole identifier, so A.TXT and A.DOC may share a name part.
        for (unsigned n = 1; used.count(FileIdentifier(candidate, ext)); ++n)
            candidate = WithSuffix(base, n, kIsoFileChars - ext.size());
        out[i] = FileIdentifier(candidate, ext);
        used.insert(out[i]);
    }
    return out;
}

std::vector<std::u16string> MakeJolietIdentifiers(const std::vector<std::u32string>& names) {
    std::vector<std::u16string> out(names.size());
    std::set<std::u16string> used;
    for (size_t i = 0; i < names.size(); ++i) {
        std::u16string id = ToJolietName(names[i], names[i].size());
        if (id.size() > kJolietChars) {
            // Shorten the name part and keep a short extension visible.
            const size_t dot = id.rfind(u'.');
            const size_t extLength = (dot == std::u16string::npos || dot == 0) ? 0 : id.size() - dot;
            const std::u16string ext = extLength > 0 && extLength <= kJolietChars / 4 ? id.substr(dot) : u"";
            id.resize(kJolietChars - ext.size());
            id += ext;
        }
        if (id.empty()) id.push_back(u'_');  // not "= u\"_\"": g++ 12 warns falsely (-Wrestrict) at -O2
        std::u16string candidate = id;
        for (unsigned n = 1; used.count(candidate); ++n) {
            // Keep the extension visible: put the counter before the last dot.
            size_t dot = id.rfind(u'.');
            std::u16string ext = (dot == std::u16string::npos || dot == 0) ? u"" : id.substr(dot);
            std::u16string base = id.substr(0, id.size() - ext.size());
            candidate = WithSuffix(base, n, kJolietChars > ext.size() ? kJolietChars - ext.size() : 0) + ext;
        }
        used.insert(candidate);
        out[i] = candidate;
    }
    return out;
}

}  // namespace bb::recorder::image

#include "settings/SettingsFile.h"

#include <climits>
#include <cstdint>
#include <string_view>

#include "framework/CheckedFormat.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/CtimeText.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"

namespace bb::settings {

namespace {

// The number readers below behave as the 32-bit C runtime's atoi, strtol
// and strtoul do on Windows, so that both builds read a file alike
// (a 64-bit long would otherwise read "FFFFFFFF" differently).
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Sign and magnitude of a number at the start of `text`, the magnitude
// saturated just above 32 bits.
struct Scanned {
    bool negative = false;
    uint64_t magnitude = 0;
};

Scanned ScanNumber(const std::string& text, int base) {
    Scanned n;
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        n.negative = text[i++] == '-';
    if (base == 16 && i + 2 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && HexDigit(text[i + 2]) >= 0)
        i += 2;
    for (; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || digit >= base)
            break;
        n.magnitude = n.magnitude * unsigned(base) + unsigned(digit);
        if (n.magnitude > 0x1FFFFFFFFull)
            n.magnitude = 0x1FFFFFFFFull;
    }
    return n;
}

int32_t ToSigned32(const Scanned& n) {
    if (n.negative)
        return n.magnitude > 0x80000000ull ? INT32_MIN
                                          : static_cast<int32_t>(-static_cast<int64_t>(n.magnitude));
    return n.magnitude > 0x7FFFFFFFull ? INT32_MAX : static_cast<int32_t>(n.magnitude);
}

int ReadDecimal(const std::string& text) { return ToSigned32(ScanNumber(text, 10)); }
int32_t ReadHexSigned(const std::string& text) { return ToSigned32(ScanNumber(text, 16)); }

uint32_t ReadHexUnsigned(const std::string& text) {
    const Scanned n = ScanNumber(text, 16);
    if (n.magnitude > 0xFFFFFFFFull)
        return UINT32_MAX;
    const uint32_t value = static_cast<uint32_t>(n.magnitude);
    return n.negative ? 0u - value : value;
}

std::string WithoutTabsAndLineEnds(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\t' && c != '\r' && c != '\n')
            out += c;
    return out;
}

struct Key {
    const char* prefix;  // the key, its colon and one blank
    void (*apply)(BurnSettings&, const std::string& value);
};

// Reading order; no key is a prefix of another.
const Key kKeys[] = {
    {"Device: ", [](BurnSettings& s, const std::string& v) { s.device = v; }},
    {"MediaType: ", [](BurnSettings& s, const std::string& v) { s.mediaType = ReadDecimal(v); }},
    {"Speed: ", [](BurnSettings& s, const std::string& v) { s.speed = ReadDecimal(v); }},
    {"Language: ", [](BurnSettings& s, const std::string& v) { s.language = v; }},
    {"EnableAudio: ", [](BurnSettings& s, const std::string& v) { s.enableAudio = ReadDecimal(v); }},
    {"SuccessWave: ", [](BurnSettings& s, const std::string& v) { s.successWave = v; }},
    {"ErrorWave: ", [](BurnSettings& s, const std::string& v) { s.errorWave = v; }},
    {"FSFlags: ", [](BurnSettings& s, const std::string& v) { s.fsFlags = ReadHexSigned(v); }},
    {"BurnFlags: ", [](BurnSettings& s, const std::string& v) { s.burnFlags = ReadHexUnsigned(v); }},
    {"MoreFlags: ", [](BurnSettings& s, const std::string& v) { s.moreFlags = ReadHexUnsigned(v); }},
    {"LimitCD: ", [](BurnSettings& s, const std::string& v) { s.limitCd = ReadDecimal(v); }},
    {"LimitDVD: ", [](BurnSettings& s, const std::string& v) { s.limitDvd = ReadDecimal(v); }},
    {"LimitCDRed: ", [](BurnSettings& s, const std::string& v) { s.limitCdRed = ReadDecimal(v); }},
    {"DefaultSourceDir: ",
     [](BurnSettings& s, const std::string& v) { s.defaultSourceDir = WithoutTabsAndLineEnds(v); }},
    {"LimitDVDRed: ", [](BurnSettings& s, const std::string& v) { s.limitDvdRed = ReadDecimal(v); }},
};

void ApplyPiece(std::string piece, BurnSettings& settings) {
    if (!piece.empty() && piece[0] == '#')
        return;
    // A line ends at its line end, and at a NUL byte, as the C string the
    // value becomes would: a value is never stored with bytes that writing
    // it back would drop.
    const size_t end = piece.find_first_of(std::string_view("\r\n\0", 3));
    if (end != std::string::npos)
        piece.resize(end);
    for (const Key& key : kKeys) {
        const std::string prefix = key.prefix;
        if (piece.compare(0, prefix.size(), prefix) == 0) {
            key.apply(settings, piece.substr(prefix.size()));
            return;
        }
    }
}

}  // namespace

std::string SettingsFilePath(const std::string& programDir) {
    return platform::JoinPath(programDir, kSettingsFileName);
}

void ApplySettingsLines(const std::vector<std::string>& lines, BurnSettings& settings) {
    for (const std::string& line : lines) {
        // A long line is read in pieces, as a fixed-size line buffer would.
        size_t at = 0;
        do {
            ApplyPiece(line.substr(at, kSettingsPieceLength), settings);
            at += kSettingsPieceLength;
        } while (at < line.size());
    }
}

int LoadSettings(platform::Files& files, const std::string& path, BurnSettings& settings) {
    const auto lines = files.ReadLines(path);
    if (!lines)
        return -1;
    ApplySettingsLines(*lines, settings);
    return 0;
}

int LoadSettings(const std::string& path, BurnSettings& settings) {
    return LoadSettings(platform::SystemFiles(), path, settings);
}

std::string FormatSettingsText(const std::string& tmpl, const std::string& timeText,
                               const BurnSettings& s) {
    return framework::Format(tmpl, {timeText, s.device, s.mediaType, static_cast<uint32_t>(s.fsFlags),
                                s.burnFlags, s.moreFlags, s.speed, s.language, s.successWave,
                                s.errorWave, s.enableAudio, s.limitCd, s.limitDvd, s.limitCdRed,
                                s.limitDvdRed, s.defaultSourceDir});
}

bool SaveSettings(platform::Files& files, const std::string& path, const BurnSettings& settings,
                  const std::string& tmpl, std::time_t now) {
    const std::string text = FormatSettingsText(tmpl, CtimeText(now), settings);
    return files.WriteTextAtomically(path, text, platform::LineEnding::CrLf);
}

bool SaveSettings(const std::string& path, const BurnSettings& settings, const LanguageTable& texts,
                  std::time_t now) {
    return SaveSettings(platform::SystemFiles(), path, settings,
                        texts.GetText(res::kTxtSettingsTemplate), now);
}

}  // namespace bb::settings

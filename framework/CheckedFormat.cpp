#include "framework/CheckedFormat.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <mutex>
#include <utility>

namespace bb::framework {
namespace {

// A template read as a run of pieces: plain text (with "%%" already turned
// into '%') and conversions.
struct Piece {
    std::string literal;
    bool isConversion = false;
    Conversion conversion;
};

bool IsFlag(char c) {
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a decimal field, saturating far above kMaxFieldWidth so that a
// thousand-digit width cannot overflow.
int ReadNumber(std::string_view s, size_t& pos) {
    long value = 0;
    while (pos < s.size() && IsDigit(s[pos])) {
        if (value <= 100L * kMaxFieldWidth)
            value = value * 10 + (s[pos] - '0');
        ++pos;
    }
    return int(value);
}

std::string_view ReadLength(std::string_view s, size_t pos) {
    static constexpr std::string_view kLengths[] = {"hh", "h", "ll", "l", "L", "I64", "I32", "z", "j", "t"};
    for (std::string_view length : kLengths)
        if (s.substr(pos, length.size()) == length)
            return length;
    return {};
}

Conversion::Takes TakesFor(char letter) {
    switch (letter) {
    case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        return Conversion::Takes::Integer;
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        return Conversion::Takes::Real;
    case 's':
        return Conversion::Takes::String;
    default:
        return Conversion::Takes::Nothing;
    }
}

// Flags and length modifiers that have a defined meaning for the letter and
// for the argument we will actually pass.
std::string_view AllowedFlags(char letter) {
    switch (letter) {
    case 'd': case 'i': return "-+ 0";
    case 'u': return "-0";
    case 'x': case 'X': case 'o': return "-#0";
    case 's': case 'c': return "-";
    default: return "-+ #0";
    }
}

bool LengthAllowed(const Conversion& c) {
    if (c.length.empty())
        return true;
    switch (c.takes) {
    case Conversion::Takes::Integer:
        return c.letter != 'c';  // "%lc" wants a wide character
    case Conversion::Takes::Real:
        return c.length == "l" || c.length == "L";
    default:
        return false;  // "%ls" wants a wide string
    }
}

void Validate(Conversion& c, bool starred) {
    if (c.letter == 0) {
        c.why = "is cut off at the end of the text";
        return;
    }
    if (c.letter == 'n') {
        c.why = "is never accepted";
        return;
    }
    if (c.takes == Conversion::Takes::Nothing) {
        c.why = "is not a conversion the program supports";
        return;
    }
    if (starred) {
        c.why = "takes its width or precision from the arguments, which is not supported";
        return;
    }
    if (c.width > kMaxFieldWidth || c.precision > kMaxFieldWidth) {
        c.why = "has a width or precision above " + std::to_string(kMaxFieldWidth);
        return;
    }
    for (char f : c.flags) {
        if (AllowedFlags(c.letter).find(f) == std::string_view::npos) {
            c.why = std::string("has the flag '") + f + "', which does not apply to it";
            return;
        }
    }
    if (c.letter == 'c' && c.precision >= 0) {
        c.why = "has a precision, which does not apply to it";
        return;
    }
    if (!LengthAllowed(c)) {
        c.why = "has the size \"" + c.length + "\", which does not apply to it";
        return;
    }
    c.usable = true;
}

// Reads the conversion whose '%' is at `pos`; `pos` ends after it.
Conversion ReadConversion(std::string_view tmpl, size_t& pos) {
    Conversion c;
    c.offset = pos;
    size_t p = pos + 1;
    bool starred = false;
    while (p < tmpl.size() && IsFlag(tmpl[p]))
        c.flags += tmpl[p++];
    if (p < tmpl.size() && tmpl[p] == '*') {
        starred = true;
        ++p;
    } else if (p < tmpl.size() && IsDigit(tmpl[p])) {
        c.width = ReadNumber(tmpl, p);
    }
    if (p < tmpl.size() && tmpl[p] == '.') {
        ++p;
        if (p < tmpl.size() && tmpl[p] == '*') {
            starred = true;
            ++p;
        } else {
            c.precision = ReadNumber(tmpl, p);
        }
    }
    std::string_view length = ReadLength(tmpl, p);
    c.length = std::string(length);
    p += length.size();
    if (p < tmpl.size()) {
        c.letter = tmpl[p++];
        c.takes = TakesFor(c.letter);
    }
    c.text = std::string(tmpl.substr(pos, p - pos));
    Validate(c, starred);
    pos = p;
    return c;
}

std::vector<Piece> Split(std::string_view tmpl) {
    std::vector<Piece> pieces;
    std::string literal;
    size_t pos = 0;
    while (pos < tmpl.size()) {
        if (tmpl[pos] != '%') {
            literal += tmpl[pos++];
        } else if (pos + 1 < tmpl.size() && tmpl[pos + 1] == '%') {
            literal += '%';
            pos += 2;
        } else {
            if (!literal.empty())
                pieces.push_back(Piece{std::move(literal), false, {}});
            literal.clear();
            pieces.push_back(Piece{{}, true, ReadConversion(tmpl, pos)});
        }
    }
    if (!literal.empty())
        pieces.push_back(Piece{std::move(literal), false, {}});
    return pieces;
}

const char* KindName(Arg::Kind kind) {
    switch (kind) {
    case Arg::Kind::Double: return "a real number";
    case Arg::Kind::String: return "a string";
    default: return "an integer";
    }
}

const char* TakesName(Conversion::Takes takes) {
    switch (takes) {
    case Conversion::Takes::Real: return "a real number";
    case Conversion::Takes::String: return "a string";
    default: return "an integer";
    }
}

bool Fits(Conversion::Takes takes, Arg::Kind kind) {
    switch (takes) {
    case Conversion::Takes::Real: return kind == Arg::Kind::Double;
    case Conversion::Takes::String: return kind == Arg::Kind::String;
    case Conversion::Takes::Integer: return kind != Arg::Kind::Double && kind != Arg::Kind::String;
    default: return false;
    }
}

int ArgBits(const Arg& arg) {
    return arg.kind() == Arg::Kind::Int || arg.kind() == Arg::Kind::UInt ? 32 : 64;
}

int LengthBits(const std::string& length) {
    if (length == "hh") return 8;
    if (length == "h") return 16;
    return 64;
}

// Spec for the C library: the checked flags, width and precision, then the
// length that suits the value we pass, then the letter.
std::string RebuildSpec(const Conversion& c, std::string_view length) {
    std::string spec = "%" + c.flags;
    if (c.width >= 0)
        spec += std::to_string(c.width);
    if (c.precision >= 0) {
        // Appended in two steps: g++ 12 warns (-Wrestrict, a false alarm) on
        // "." + std::to_string(...) in the i686 build.
        spec += '.';
        spec += std::to_string(c.precision);
    }
    spec += length;
    spec += c.letter;
    return spec;
}

template <typename T>
bool Print(std::string& out, const std::string& spec, T value) {
    int n = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (n < 0)
        return false;
    std::string buffer(size_t(n) + 1, '\0');
    std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
    buffer.resize(size_t(n));
    out += buffer;
    return true;
}

// The value as the C library would have printed it had the template's
// conversion been given an argument of exactly the type the caller passed:
// an int shown with %u or %X is its 32-bit pattern, "%hd" narrows.
bool PrintInteger(std::string& out, const Conversion& c, const Arg& arg) {
    int bits = std::min(ArgBits(arg), LengthBits(c.length));
    uint64_t mask = bits == 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
    uint64_t pattern = arg.AsUInt() & mask;
    if (c.letter == 'c')
        return Print(out, RebuildSpec(c, ""), int(static_cast<unsigned char>(pattern)));
    // The 64-bit length differs between C runtimes ("ll" or "I64").
    std::string length64 = PRIu64;
    length64.pop_back();
    if (c.letter == 'd' || c.letter == 'i') {
        uint64_t sign = uint64_t(1) << (bits - 1);
        int64_t value = (pattern & sign) ? int64_t(pattern | ~mask) : int64_t(pattern);
        return Print(out, RebuildSpec(c, length64), value);
    }
    return Print(out, RebuildSpec(c, length64), pattern);
}

bool PrintOne(std::string& out, const Conversion& c, const Arg& arg) {
    switch (c.takes) {
    case Conversion::Takes::String:
        return Print(out, RebuildSpec(c, ""), arg.AsString());
    case Conversion::Takes::Real:
        return Print(out, RebuildSpec(c, ""), arg.AsDouble());
    case Conversion::Takes::Integer:
        return PrintInteger(out, c, arg);
    default:
        return false;
    }
}

void AddProblem(Result& r, std::string_view tmpl, const std::string& what) {
    if (r.ok)
        r.problem = "text \"" + std::string(tmpl) + "\": ";
    else
        r.problem += "; ";
    r.problem += what;
    r.ok = false;
}

std::mutex g_reporterMutex;
std::function<void(const std::string&)> g_reporter;
// A reporter that formats a faulty text itself must not recurse forever.
thread_local bool t_reporting = false;

}  // namespace

std::vector<Conversion> ParseConversions(std::string_view tmpl) {
    std::vector<Conversion> conversions;
    for (Piece& piece : Split(tmpl))
        if (piece.isConversion)
            conversions.push_back(std::move(piece.conversion));
    return conversions;
}

std::optional<std::string> ArgumentKinds(std::string_view tmpl, std::string* problem) {
    std::string kinds;
    for (const Conversion& c : ParseConversions(tmpl)) {
        if (!c.usable) {
            if (problem)
                *problem = "\"" + c.text + "\" " + c.why;
            return std::nullopt;
        }
        switch (c.takes) {
        case Conversion::Takes::String: kinds += 's'; break;
        case Conversion::Takes::Real: kinds += 'f'; break;
        default: kinds += 'i'; break;
        }
    }
    return kinds;
}

Result FormatChecked(std::string_view tmpl, std::initializer_list<Arg> args) {
    Result r;
    const Arg* next = args.begin();
    for (const Piece& piece : Split(tmpl)) {
        if (!piece.isConversion) {
            r.text += piece.literal;
            continue;
        }
        const Conversion& c = piece.conversion;
        // A conversion of a supported letter uses up its argument even when
        // it is refused, so that the ones after it still meet their own.
        const Arg* arg = nullptr;
        if (c.takes != Conversion::Takes::Nothing && next != args.end())
            arg = next++;
        if (!c.usable) {
            AddProblem(r, tmpl, "\"" + c.text + "\" " + c.why);
        } else if (!arg) {
            AddProblem(r, tmpl, "\"" + c.text + "\" has no argument");
        } else if (!Fits(c.takes, arg->kind())) {
            AddProblem(r, tmpl, "\"" + c.text + "\" needs " + TakesName(c.takes) + " but was given " +
                                    KindName(arg->kind()));
        } else if (PrintOne(r.text, c, *arg)) {
            continue;
        } else {
            AddProblem(r, tmpl, "\"" + c.text + "\" could not be formatted");
        }
        r.text += c.text;
    }
    if (next != args.end()) {
        size_t extra = size_t(args.end() - next);
        AddProblem(r, tmpl, std::to_string(extra) + (extra == 1 ? " argument" : " arguments") + " left over");
    }
    return r;
}

std::string Format(std::string_view tmpl, std::initializer_list<Arg> args) {
    Result r = FormatChecked(tmpl, args);
    if (!r.ok && !t_reporting) {
        std::function<void(const std::string&)> reporter;
        {
            std::lock_guard<std::mutex> lock(g_reporterMutex);
            reporter = g_reporter;
        }
        if (reporter) {
            t_reporting = true;
            reporter(r.problem);
            t_reporting = false;
        }
    }
    return std::move(r.text);
}

void SetProblemReporter(std::function<void(const std::string&)> reporter) {
    std::lock_guard<std::mutex> lock(g_reporterMutex);
    g_reporter = std::move(reporter);
}

}  // namespace bb::framework

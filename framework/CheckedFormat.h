// printf-style formatting of templates the user may edit (language files).
//
// Every conversion of the template is checked against the argument actually
// passed. A template that does not match (a %s where a number is passed, too
// many or too few conversions, a conversion we do not support) never reaches
// the C library: the mismatch is reported through the problem reporter and
// the text is formatted safely (the offending conversion is written out as
// it stands). Never pass a log line or a path as the template.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bb::framework {

class Arg {
public:
    enum class Kind { Int, UInt, Int64, UInt64, Double, String };
    Arg(int v) : m_kind(Kind::Int), m_i(v) {}
    // long is 32 bits on Windows: it then shows as hex or unsigned the way
    // the C library would show it.
    Arg(long v) : m_kind(sizeof(long) == 4 ? Kind::Int : Kind::Int64), m_i(v) {}
    Arg(long long v) : m_kind(Kind::Int64), m_i(v) {}
    Arg(unsigned v) : m_kind(Kind::UInt), m_u(v) {}
    Arg(unsigned long v) : m_kind(sizeof(long) == 4 ? Kind::UInt : Kind::UInt64), m_u(v) {}
    Arg(unsigned long long v) : m_kind(Kind::UInt64), m_u(v) {}
    Arg(double v) : m_kind(Kind::Double), m_d(v) {}
    Arg(const char* v) : m_kind(Kind::String), m_s(v ? v : "") {}
    Arg(const std::string& v) : m_kind(Kind::String), m_s(v.c_str()) {}
    Kind kind() const { return m_kind; }
    int64_t AsInt() const { return m_kind == Kind::UInt || m_kind == Kind::UInt64 ? int64_t(m_u) : m_i; }
    uint64_t AsUInt() const { return m_kind == Kind::Int || m_kind == Kind::Int64 ? uint64_t(m_i) : m_u; }
    double AsDouble() const { return m_d; }
    const char* AsString() const { return m_s; }

private:
    Kind m_kind;
    int64_t m_i = 0;
    uint64_t m_u = 0;
    double m_d = 0;
    const char* m_s = "";
};

struct Result {
    std::string text;
    bool ok = true;        // every conversion matched its argument
    std::string problem;   // what did not match, for the log
};

// One "%..." sequence of a template, as the formatter reads it.
struct Conversion {
    enum class Takes { Nothing, Integer, Real, String };
    size_t offset = 0;      // where the '%' is in the template
    std::string text;       // the sequence as written, "%-8.2f"
    char letter = 0;        // conversion letter; 0 when the sequence is cut off
    std::string flags;      // of "-+ #0"
    int width = -1;         // -1: none
    int precision = -1;     // -1: none
    std::string length;     // "", "h", "hh", "l", "ll", "L", "I32", "I64"
    Takes takes = Takes::Nothing;  // what kind of argument it consumes
    bool usable = false;    // false: never handed to the C library
    std::string why;        // why it is not usable
};

// Widths and precisions above this are refused, so that a template cannot
// make a single conversion allocate without bound.
constexpr int kMaxFieldWidth = 4096;

// Every conversion of `tmpl` in order ("%%" is not one).
std::vector<Conversion> ParseConversions(std::string_view tmpl);

// The arguments `tmpl` takes, one letter each: 's' string, 'i' integer,
// 'f' real. Empty when the template holds a conversion that is never
// accepted (a "%n", a "*" width, an unknown letter, a cut-off "%"); `problem`
// then says which.
std::optional<std::string> ArgumentKinds(std::string_view tmpl, std::string* problem = nullptr);

// Formats `tmpl` with `args`, checking each conversion.
[[nodiscard]] Result FormatChecked(std::string_view tmpl, std::initializer_list<Arg> args);

// Formats and, when the template does not match, reports the problem through
// the reporter set below (the main window puts it in the log).
std::string Format(std::string_view tmpl, std::initializer_list<Arg> args);

// Where mismatches go. Thread-safe; an empty function drops them.
void SetProblemReporter(std::function<void(const std::string&)> reporter);

}  // namespace bb::framework

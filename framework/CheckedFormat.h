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

namespace bbfmt {

class Arg {
public:
    enum class Kind { Int, UInt, Int64, UInt64, Double, String };
    Arg(int v) : kind_(Kind::Int), i_(v) {}
    // long is 32 bits on Windows: it then shows as hex or unsigned the way
    // the C library would show it.
    Arg(long v) : kind_(sizeof(long) == 4 ? Kind::Int : Kind::Int64), i_(v) {}
    Arg(long long v) : kind_(Kind::Int64), i_(v) {}
    Arg(unsigned v) : kind_(Kind::UInt), u_(v) {}
    Arg(unsigned long v) : kind_(sizeof(long) == 4 ? Kind::UInt : Kind::UInt64), u_(v) {}
    Arg(unsigned long long v) : kind_(Kind::UInt64), u_(v) {}
    Arg(double v) : kind_(Kind::Double), d_(v) {}
    Arg(const char* v) : kind_(Kind::String), s_(v ? v : "") {}
    Arg(const std::string& v) : kind_(Kind::String), s_(v.c_str()) {}
    Kind kind() const { return kind_; }
    int64_t AsInt() const { return kind_ == Kind::UInt || kind_ == Kind::UInt64 ? int64_t(u_) : i_; }
    uint64_t AsUInt() const { return kind_ == Kind::Int || kind_ == Kind::Int64 ? uint64_t(i_) : u_; }
    double AsDouble() const { return d_; }
    const char* AsString() const { return s_; }

private:
    Kind kind_;
    int64_t i_ = 0;
    uint64_t u_ = 0;
    double d_ = 0;
    const char* s_ = "";
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

}  // namespace bbfmt

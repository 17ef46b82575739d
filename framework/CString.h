// The dialogs' string: a small value type over std::string with the
// operations the program uses. Single-byte text throughout; indexes and
// lengths are ints, and out-of-range arguments are clamped, never undefined.
#pragma once

#include <string>
#include <string_view>

#include "framework/CheckedFormat.h"

namespace bb::framework {

class CString {
public:
    CString() = default;
    CString(const char* text) : m_s(text ? text : "") {}
    CString(std::string text) : m_s(std::move(text)) {}
    CString(std::string_view text) : m_s(text) {}
    explicit CString(char ch, int repeat = 1) : m_s(repeat > 0 ? size_t(repeat) : 0, ch) {}

    int GetLength() const { return int(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }

    const char* c_str() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }
    operator const char*() const { return m_s.c_str(); }

    // The character at `index`; '\0' outside the string.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    // Does nothing outside the string.
    void SetAt(int index, char ch);

    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    int Compare(const char* other) const;
    // Case-insensitive in the C locale; <0, 0 or >0 like Compare.
    int CompareNoCase(const char* other) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Index of the first match at or after `start`, or -1. An empty needle
    // matches nothing.
    int Find(char ch, int start = 0) const;
    int Find(const char* needle, int start = 0) const;
    // Index of the last occurrence, or -1.
    int ReverseFind(char ch) const;

    CString& MakeUpper();
    CString& MakeLower();
    // Remove white space (space, tab, CR, LF, VT, FF) at that end.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimRight().TrimLeft(); }
    // Replaces every non-overlapping occurrence, left to right; returns how many.
    int Replace(const char* from, const char* to);
    int Replace(char from, char to);

    // Room for at least `minLength` characters for C interfaces that write into
    // a buffer; ReleaseBuffer then cuts at the terminator (or at `newLength`).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    // Formats a template (often a language text) through the checked
    // formatter: a template that does not fit its arguments cannot crash.
    template <class... Args>
    void Format(const char* tmpl, const Args&... args) {
        m_s = framework::Format(tmpl ? tmpl : "", {framework::Arg(ArgOf(args))...});
    }

private:
    static const char* ArgOf(const CString& s) { return s.c_str(); }
    template <class T>
    static const T& ArgOf(const T& v) { return v; }

    std::string m_s;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
inline bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
inline bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return b < a; }

}  // namespace bb::framework

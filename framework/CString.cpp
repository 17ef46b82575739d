#include "framework/CString.h"

#include <algorithm>
#include <cstring>

namespace bb::framework {

namespace {

char LowerC(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
char UpperC(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
bool IsSpaceC(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

char CString::GetAt(int index) const {
    return index >= 0 && index < GetLength() ? m_s[size_t(index)] : '\0';
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength()) m_s[size_t(index)] = ch;
}

CString& CString::operator=(const char* text) {
    m_s = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& other) {
    m_s += other.m_s;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text) m_s += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_s += ch;
    return *this;
}

int CString::Compare(const char* other) const {
    int r = std::strcmp(m_s.c_str(), other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_s.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(other ? other : "");
    for (;; ++a, ++b) {
        unsigned char la = static_cast<unsigned char>(LowerC(char(*a)));
        unsigned char lb = static_cast<unsigned char>(LowerC(char(*b)));
        if (la != lb) return la < lb ? -1 : 1;
        if (la == 0) return 0;
    }
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(0, size_t(count)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_s.substr(size_t(first), size_t(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(m_s.size() - size_t(count)));
}

int CString::Find(char ch, int start) const {
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    size_t at = m_s.find(ch, size_t(start));
    return at == std::string::npos ? -1 : int(at);
}

int CString::Find(const char* needle, int start) const {
    if (!needle || !*needle) return -1;
    if (start < 0) start = 0;
    if (start > GetLength()) return -1;
    size_t at = m_s.find(needle, size_t(start));
    return at == std::string::npos ? -1 : int(at);
}

int CString::ReverseFind(char ch) const {
    size_t at = m_s.rfind(ch);
    return at == std::string::npos ? -1 : int(at);
}

CString& CString::MakeUpper() {
    for (char& c : m_s) c = UpperC(c);
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : m_s) c = LowerC(c);
    return *this;
}

CString& CString::TrimLeft() {
    size_t n = 0;
    while (n < m_s.size() && IsSpaceC(m_s[n])) ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = m_s.size();
    while (n > 0 && IsSpaceC(m_s[n - 1])) --n;
    m_s.resize(n);
    return *this;
}

int CString::Replace(const char* from, const char* to) {
    if (!from || !*from) return 0;
    const std::string_view f(from);
    const std::string_view t(to ? to : "");
    std::string out;
    int count = 0;
    size_t pos = 0;
    for (size_t at; (at = m_s.find(f, pos)) != std::string::npos; pos = at + f.size()) {
        out.append(m_s, pos, at - pos);
        out.append(t);
        ++count;
    }
    if (count == 0) return 0;
    out.append(m_s, pos, std::string::npos);
    m_s = std::move(out);
    return count;
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char& c : m_s) {
        if (c == from) {
            c = to;
            ++count;
        }
    }
    return count;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_s.resize(size_t(minLength), '\0');
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        m_s.resize(std::strlen(m_s.c_str()));
    } else {
        m_s.resize(std::min(size_t(newLength), m_s.size()));
    }
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const char* b) { return CString(a.str() + (b ? b : "")); }
CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.str()); }
CString operator+(const CString& a, char b) { return CString(a.str() + b); }

}  // namespace bb::framework

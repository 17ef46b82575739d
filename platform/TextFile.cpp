#include "platform/TextFile.h"

#include <cstdio>
#include <memory>

namespace bb::platform {
namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f)
        return std::nullopt;
    std::string content;
    char buffer[16384];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f.get())) > 0)
        content.append(buffer, got);
    if (std::ferror(f.get()))
        return std::nullopt;
    return content;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FILE* raw = std::fopen(path.c_str(), "wb");
    if (!raw)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
    // A full disk may only show at the final flush.
    bool closed = std::fclose(raw) == 0;
    return written && closed;
}

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        if (end > start && content[end - 1] == '\r' && end < content.size())
            --end;
        lines.push_back(content.substr(start, end - start));
        start = next;
    }
    return lines;
}

std::string WithLineEnding(const std::string& text, LineEnding ending) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') {
            bool hadCr = !out.empty() && out.back() == '\r';
            if (ending == LineEnding::CrLf && !hadCr)
                out += '\r';
            else if (ending == LineEnding::Lf && hadCr)
                out.pop_back();
        }
        out += c;
    }
    return out;
}

}  // namespace bb::platform

// Times the DVD root scan of one folder as the burn job runs it, or the
// folder-size measure of the size gate (bench/scan-tree.sh runs it).
//
//   scan_bench ROOT          prints items, log lines, seconds; status 0 when a tree was built
//   scan_bench --size ROOT   prints bytes, seconds
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "compilation/DvdRootScan.h"
#include "compilation/FolderSize.h"
#include "platform/Files.h"
#include "settings/LanguageTable.h"

namespace bb::bench {

// Keeps every line, as the log window does.
struct KeepingLog : compilation::LogSink, compilation::StatusLine {
    void AppendLog(const std::string& line) override { lines.push_back(line); }
    void AppendLogId(int id) override { lines.push_back(std::to_string(id)); }
    void ShowStatus(const std::string&) override {}
    std::vector<std::string> lines;
};

size_t CountItems(const neroapi::IsoItem* item) {
    size_t n = 0;
    for (; item; item = item->next) n += 1 + CountItems(item->firstChild);
    return n;
}

int Main(int argc, char** argv) {
    const bool sizeOnly = argc == 3 && std::strcmp(argv[1], "--size") == 0;
    if (argc != 2 && !sizeOnly) {
        std::fprintf(stderr, "usage: scan_bench [--size] ROOT\n");
        return 2;
    }
    KeepingLog log;
    const auto start = std::chrono::steady_clock::now();
    auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    if (sizeOnly) {
        const double bytes = compilation::GetFolderSize(argv[2], &log);
        std::printf("bytes %.0f seconds %.3f\n", bytes, seconds());
        return 0;
    }
    settings::LanguageTable texts;
    compilation::IsoTree tree;
    compilation::ScanContext ctx{tree, log, texts, platform::SystemFiles()};
    const neroapi::IsoItem* first = compilation::ScanDvdRoot(argv[1], ctx, log);
    const double took = seconds();
    std::printf("items %zu log-lines %zu seconds %.3f\n", CountItems(first), log.lines.size(), took);
    return first ? 0 : 1;
}

}  // namespace bb::bench

int main(int argc, char** argv) { return bb::bench::Main(argc, argv); }

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

void Fail(const char* property) {
    std::fprintf(stderr, "fuzz property failed: %s\n", property);
    std::abort();
}

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        // Memory-backed where there is one: the file-reading harnesses write
        // a file per input.
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path parent =
            std::filesystem::is_directory(shm, error) && access(shm.c_str(), W_OK) == 0
                ? shm
                : std::filesystem::temp_directory_path();
        std::string base = (parent / "bb-fuzz-XXXXXX").string();
        if (mkdtemp(base.data()) == nullptr) Fail("a scratch folder can be made");
        // Removed at exit through a plain copy: the string itself may be
        // gone by the time exit handlers run.
        static char made[4096];
        std::snprintf(made, sizeof made, "%s", base.c_str());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return base;
    }();
    return folder;
}

}  // namespace bb::fuzz

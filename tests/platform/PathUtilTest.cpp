// The cases are written with '\' and run with the platform's separator.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/PathUtil.h"
#include "platform/Paths.h"

namespace bb::platform {

namespace {

std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', platform::kPathSeparator);
    return path;
}

enum class Op { FolderOf, LastComponentOf, WithoutExtension, ExtensionOf };

struct Case {
    Op op;
    const char* path;
    const char* expected;
};

std::string Apply(controls::CPathUtil& util, Op op, const framework::CString& path) {
    switch (op) {
    case Op::FolderOf: return util.FolderOf(path).str();
    case Op::LastComponentOf: return util.LastComponentOf(path).str();
    case Op::WithoutExtension: return util.WithoutExtension(path).str();
    case Op::ExtensionOf: return util.ExtensionOf(path).str();
    }
    return {};
}

TEST(PathUtil, Table) {
    const Case cases[] = {
        Case{Op::FolderOf, "C:\\Program\\BrenvikBurn.exe", "C:\\Program"},
        Case{Op::FolderOf, "C:\\video.ifo", "C:"},
        Case{Op::FolderOf, "C:\\DVD\\", "C:\\DVD"},
        Case{Op::FolderOf, "video.ifo", ""},
        Case{Op::FolderOf, "", ""},
        Case{Op::LastComponentOf, "C:\\DVD\\MOVIE", "MOVIE"},
        Case{Op::LastComponentOf, "C:\\DVD\\MOVIE\\", "MOVIE"},
        Case{Op::LastComponentOf, "C:\\DVD\\MOVIE\\\\\\", "MOVIE"},
        Case{Op::LastComponentOf, "C:\\", ""},
        Case{Op::LastComponentOf, "MOVIE", ""},
        Case{Op::LastComponentOf, "\\\\", ""},
        Case{Op::WithoutExtension, "english.lng", "english"},
        Case{Op::WithoutExtension, "my.lang.lng", "my.lang"},
        Case{Op::WithoutExtension, "README", "README"},
        Case{Op::WithoutExtension, "C:\\v1.2\\help", "C:\\v1"},
        Case{Op::ExtensionOf, "C:\\Media\\ding.WAV", "WAV"},
        Case{Op::ExtensionOf, "ding", ""},
        Case{Op::ExtensionOf, "ding.", ""},
        Case{Op::ExtensionOf, "C:\\v1.2\\ding", "2\\ding"}};
    // One object serves all the calls, as the program uses it.
    controls::CPathUtil util;
    for (const Case& c : cases) {
        EXPECT_EQ(Apply(util, c.op, Native(c.path).c_str()), Native(c.expected))
            << "operation " << int(c.op) << " path " << c.path;
    }
}

}  // namespace

}  // namespace bb::platform

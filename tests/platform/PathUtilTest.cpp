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

TEST(PathUtil, Table) {
    using controls::CPathUtil;
    using Op = framework::CString (CPathUtil::*)(const framework::CString&);
    const Op folder = &CPathUtil::FolderOf, last = &CPathUtil::LastComponentOf,
             stem = &CPathUtil::WithoutExtension, ext = &CPathUtil::ExtensionOf;
    const struct {
        Op op;
        const char *path, *expected;
    } cases[] = {
        {folder, "C:\\Program\\BrenvikBurn.exe", "C:\\Program"}, {folder, "C:\\video.ifo", "C:"},
        {folder, "C:\\DVD\\", "C:\\DVD"}, {folder, "video.ifo", ""}, {folder, "", ""},
        {last, "C:\\DVD\\MOVIE", "MOVIE"}, {last, "C:\\DVD\\MOVIE\\", "MOVIE"},
        {last, "C:\\DVD\\MOVIE\\\\\\", "MOVIE"}, {last, "C:\\", ""}, {last, "MOVIE", ""}, {last, "\\\\", ""},
        {stem, "english.lng", "english"}, {stem, "my.lang.lng", "my.lang"}, {stem, "README", "README"},
        {stem, "C:\\v1.2\\help", "C:\\v1"},
        {ext, "C:\\Media\\ding.WAV", "WAV"}, {ext, "ding", ""}, {ext, "ding.", ""}, {ext, "C:\\v1.2\\ding", "2\\ding"}};
    // One object serves all the calls, as the program uses it.
    CPathUtil util;
    for (const auto& c : cases)
        EXPECT_EQ((util.*c.op)(Native(c.path).c_str()).str(), Native(c.expected)) << c.path << " -> " << c.expected;
}

}  // namespace
}  // namespace bb::platform

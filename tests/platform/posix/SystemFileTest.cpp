// Reading source files: only regular files open, and the refusal of a FIFO
// or a folder comes at once instead of blocking until someone writes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "platform/base/SystemFile.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

class SystemFilePosix : public bb::test::SandboxTest {};

TEST_F(SystemFilePosix, OpensOnlyRegularFilesForReading) {
    const std::string fifo = At("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string file = WriteFile("movie.vob", "abc");
    const struct {
        std::string path;
        bool opens;
    } cases[] = {{file, true}, {fifo, false}, {Folder(), false}, {At("missing"), false}};
    for (const auto& c : cases) {
        // On its own thread: a blocking open must fail the test, not hang it.
        auto opened = std::async(std::launch::async, [&c] {
            platform::SystemFile f;
            return f.OpenRead(c.path);
        });
        if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "the open blocks: " << c.path;
            const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // lets it return
            opened.wait();
            if (writer >= 0) close(writer);
            continue;
        }
        EXPECT_EQ(opened.get(), c.opens) << c.path;
    }
    platform::SystemFile f;
    ASSERT_TRUE(f.OpenRead(file));
    char text[4] = {};
    EXPECT_EQ(f.Read(text, 3), 3);
    EXPECT_STREQ(text, "abc");
}

}  // namespace
}  // namespace bb::platform

#include "app/main/ConsoleRenderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/WinDefs.h"

namespace bb::app {

namespace {

// A temporary file standing in for the terminal (or a redirected stdout).
class ScratchFile {
public:
    explicit ScratchFile(const std::string& content = "") : m_file(std::tmpfile()) {
        std::fputs(content.c_str(), m_file);
        std::rewind(m_file);
    }
    ~ScratchFile() { std::fclose(m_file); }
    std::FILE* get() const { return m_file; }
    std::string Text() const {
        std::fflush(m_file);
        std::rewind(m_file);
        std::string text;
        for (int c; (c = std::fgetc(m_file)) != EOF;) text += char(c);
        return text;
    }

private:
    std::FILE* m_file;
};

class ConsoleRendererTest : public ::testing::Test {
protected:
    void Attach(bool interactive) { m_console = std::make_unique<app::ConsoleRenderer>(m_out.get(), nullptr, interactive); }
    void Step(const char* percent, const char* left, const char* total, int pos) {
        app::ProgressStep step;
        step.pos = pos;
        step.percent = percent;
        step.remaining = left;
        step.total = total;
        m_console->OnProgress(step);
    }

    ScratchFile m_out;
    std::unique_ptr<app::ConsoleRenderer> m_console;
};

TEST_F(ConsoleRendererTest, PlainOutputHasEachLogLineAndEachNewProgressTextOnce) {
    Attach(false);
    m_console->OnLogLine("Start");
    m_console->OnLogLine("===> Required file\r\n=> Writing");
    Step("0 %", "", "", 0);        // no estimate yet: the percent alone
    Step("10 %", "", "", 10);
    Step("10 %", "", "", 11);       // no new text: nothing printed
    Step("20 %", "04:00", "05:00", 20);
    Step("", "", "", 30);           // an erase past its estimate: nothing to say
    m_console->OnLogLine("Ready.");
    EXPECT_EQ(m_out.Text(),
              "Start\n===> Required file\n=> Writing\n"
              "progress: 0 %\nprogress: 10 %\n"
              "progress: 20 %, remaining 04:00, total 05:00\n"
              "Ready.\n");
}

TEST_F(ConsoleRendererTest, TerminalRedrawsOneProgressLineAndKeepsLogLinesAboveIt) {
    Attach(true);
    Step("50 %", "01:00", "02:00", 50);
    m_console->OnLogLine("=> Verifying");
    const std::string out = m_out.Text();
    const std::string bar = "[" + std::string(15, '#') + std::string(15, '.') + "] 50 %  remaining 01:00  total 02:00";
    EXPECT_NE(out.find("\r" + bar + "\033[K"), std::string::npos) << out;
    // The progress line is wiped, the log line printed, the progress drawn again.
    const size_t logAt = out.find("\r\033[K=> Verifying\n");
    ASSERT_NE(logAt, std::string::npos) << out;
    EXPECT_NE(out.find(bar, logAt), std::string::npos) << out;
    EXPECT_EQ(out.find('\n'), logAt + 4 + std::string("=> Verifying").size()) << "no plain progress lines";
    // After the job its last step stays as a line of its own and is not drawn again.
    m_console->OnJobEnded();
    m_console->OnLogLine("Ready.");
    const std::string after = m_out.Text().substr(out.size());
    EXPECT_EQ(after, "\nReady.\n");
}

TEST(ConsoleRendererBoxes, AreAskedOnATerminalAndDefaultedOtherwise) {
    struct Case { bool interactive; std::string typed; unsigned type; int want; } cases[] = {
        {false, "", 0x34, IDYES},    {false, "", 0x124, IDNO},      {false, "", 0x10, IDOK},
        {true, "y\n", 0x124, IDYES}, {true, "No\n", 0x34, IDNO},    {true, "\n", 0x124, IDNO},
        {true, "", 0x34, IDYES},     // end of input: the default
        {true, "maybe\nyes\n", 0x124, IDYES},  // asked again until a button matches
        {true, "", 0x40, IDOK},      // a box with one button asks nothing
    };
    for (const Case& c : cases) {
        ScratchFile out, in(c.typed);
        app::ConsoleRenderer console(out.get(), in.get(), c.interactive);
        platform::ShownMessageBox box;
        box.text = "Overwrite?";
        box.caption = "Overwrite ReWriteable?!";
        box.type = c.type;
        EXPECT_EQ(console.Ask(box), c.want) << c.interactive << " '" << c.typed << "' " << c.type;
        EXPECT_EQ(out.Text().rfind("[Overwrite ReWriteable?!] Overwrite?\n", 0), 0u) << out.Text();
    }
}

}  // namespace

}  // namespace bb::app

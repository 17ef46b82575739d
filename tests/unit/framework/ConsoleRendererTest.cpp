#include "platform/headless/ConsoleRenderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/CDialog.h"
#include "platform/headless/HeadlessDialogHost.h"

namespace {

constexpr int kTemplate = 101, kLog = 1033, kBar = 1030, kPercent = 1050, kLeft = 1047, kTotal = 1048;

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
    void Attach(bool interactive, const std::string& typed = "") {
        m_in = std::make_unique<ScratchFile>(typed);
        m_console = std::make_unique<platform::ConsoleRenderer>(
            platform::ConsoleLayout{kTemplate, kLog, kBar, kPercent, kLeft, kTotal}, m_out.get(), m_in->get(),
            interactive);
        m_ui.SetObserver(m_console.get());
        m_ui.SetResponder([this](const platform::ShownMessageBox& box) { return m_console->Ask(box); });
        m_host = &m_ui.Open(m_dialog);
    }

    void Report(const char* percent, const char* left, const char* total, int pos) {
        m_dialog.SetDlgItemText(kLeft, left);
        m_dialog.SetDlgItemText(kTotal, total);
        m_dialog.SetDlgItemText(kPercent, percent);
        m_dialog.GetProgress(kBar).SetPos(pos);
    }

    platform::HeadlessUi m_ui;
    CDialog m_dialog{kTemplate};
    ScratchFile m_out;
    std::unique_ptr<ScratchFile> m_in;
    std::unique_ptr<platform::ConsoleRenderer> m_console;
    platform::HeadlessDialogHost* m_host = nullptr;
};

TEST_F(ConsoleRendererTest, PlainOutputHasEachLogLineAndEachNewPercentOnce) {
    Attach(false);
    m_dialog.SetDlgItemText(kPercent, "0 %");  // start-up: no times yet, no line
    CEdit log = m_dialog.GetEdit(kLog);
    log.AppendLine("Start");
    log.AppendLine("===> Required file\r\n=> Writing");
    Report("10 %", "?:??", "?:??", 10);
    m_dialog.GetProgress(kBar).SetPos(11);  // no new text: nothing printed
    Report("20 %", "04:00", "05:00", 20);
    m_dialog.SetDlgItemText(kLog, "");       // Clear Log prints nothing
    m_dialog.SetDlgItemText(kLog, "after clear");
    // A log written whole (read, add CR LF and a line, put back) shows only the new line.
    m_dialog.SetDlgItemText(kLog, "after clear\r\nrewritten");
    EXPECT_EQ(m_out.Text(),
              "Start\n===> Required file\n=> Writing\n"
              "progress: 10 %, remaining ?:??, total ?:??\n"
              "progress: 20 %, remaining 04:00, total 05:00\n"
              "after clear\nrewritten\n");
}

TEST_F(ConsoleRendererTest, TerminalRedrawsOneProgressLineAndKeepsLogLinesAboveIt) {
    Attach(true);
    m_dialog.GetProgress(kBar).SetRange32(0, 100);
    Report("50 %", "01:00", "02:00", 50);
    m_dialog.GetEdit(kLog).AppendLine("=> Verifying");
    const std::string out = m_out.Text();
    const std::string bar = "[" + std::string(15, '#') + std::string(15, '.') + "] 50 %  remaining 01:00  total 02:00";
    EXPECT_NE(out.find("\r" + bar + "\033[K"), std::string::npos) << out;
    // The progress line is wiped, the log line printed, the progress drawn again.
    const size_t logAt = out.find("\r\033[K=> Verifying\n");
    ASSERT_NE(logAt, std::string::npos) << out;
    EXPECT_NE(out.find(bar, logAt), std::string::npos) << out;
    EXPECT_EQ(out.find('\n'), logAt + 4 + std::string("=> Verifying").size()) << "no plain progress lines";
}

TEST(ConsoleRenderer, BoxesAreAskedOnATerminalAndDefaultedOtherwise) {
    struct Case {
        bool interactive;
        std::string typed;
        unsigned type;
        int want;
    } cases[] = {
        {false, "", 0x34, IDYES},    {false, "", 0x124, IDNO},      {false, "", 0x10, IDOK},
        {true, "y\n", 0x124, IDYES}, {true, "No\n", 0x34, IDNO},    {true, "\n", 0x124, IDNO},
        {true, "", 0x34, IDYES},     // end of input: the default
        {true, "maybe\nyes\n", 0x124, IDYES},  // asked again until a button matches
        {true, "", 0x40, IDOK},      // a box with one button asks nothing
    };
    for (const Case& c : cases) {
        platform::HeadlessUi ui;
        CDialog dialog(kTemplate);
        ScratchFile out, in(c.typed);
        platform::ConsoleRenderer console({kTemplate, kLog, kBar, kPercent, kLeft, kTotal}, out.get(), in.get(),
                                          c.interactive);
        ui.SetResponder([&](const platform::ShownMessageBox& box) { return console.Ask(box); });
        ui.Open(dialog);
        EXPECT_EQ(dialog.MessageBox("Overwrite?", "Overwrite ReWriteable?!", c.type), c.want)
            << c.interactive << " '" << c.typed << "' " << c.type;
        EXPECT_EQ(out.Text().rfind("[Overwrite ReWriteable?!] Overwrite?\n", 0), 0u) << out.Text();
    }
}

}  // namespace

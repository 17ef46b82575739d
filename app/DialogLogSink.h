// The main window as the log and status line of the compilation units.
#pragma once

#include <string>

#include "app/BurnDlg.h"
#include "compilation/CompilationHost.h"

namespace bb::app {

class DialogLogSink final : public compilation::LogSink, public compilation::StatusLine {
public:
    explicit DialogLogSink(CBurnDlg& dialog) : m_dialog(dialog) {}
    void AppendLog(const std::string& line) override { m_dialog.AppendLog(line.c_str()); }
    void AppendLogId(int id) override { m_dialog.AppendLogId(id); }
    void ShowStatus(const std::string& text) override { m_dialog.ShowStatus(text.c_str()); }

private:
    CBurnDlg& m_dialog;
};

}  // namespace bb::app

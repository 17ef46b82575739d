// The command line's words, kept by the window for the batch worker.
#include "app/BurnDlg.h"

#include "recording/CommandLine.h"

void CBurnDlg::StoreCommandLineWords() {
    const std::vector<std::string> words = recording::SplitCommandLine(m_strCommandLine.str());
    m_argc = 0;
    for (const std::string& word : words) {
        if (size_t(m_argc) >= recording::kMaxCommandLineWords)
            break;
        m_argv[size_t(m_argc++)] = CString(word);
    }
}

// Settings > Language (template IDD_LANGUAGE): the language files of the
// program folder in a sorted list; OK takes the selected file name.
#pragma once

#include <string>
#include <vector>

#include "app/DialogButtons.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

namespace bb::settings { class LanguageTable; }

namespace bb::app {

class CLanguageDlg : public framework::CDialog {
public:
    explicit CLanguageDlg(const settings::LanguageTable& texts, framework::CDialog* parent = nullptr);

    // The folder to list and the current file name (without folder), before
    // the window opens; the chosen file name after it.
    void SetFolder(const framework::CString& folder) { m_strFolder = folder; }
    void SetFile(const framework::CString& file) { m_strChosenFile = file; }
    [[nodiscard]] framework::CString GetFile() const { return m_strChosenFile; }

    // The "*.lng" files of `folder` (not folders of that name), sorted as
    // the list shows them: letter case ignored.
    static std::vector<std::string> LanguageFilesIn(const std::string& folder);

    bool m_bChanged = false;
    framework::CString m_strFolder;
    framework::CString m_strChosenFile;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    const settings::LanguageTable& m_texts;
    framework::CComboBox m_cbFiles;
    app::DialogButtons m_buttons;
};

}  // namespace bb::app
